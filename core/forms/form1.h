#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <string>

#include "core/drives/drives.h"
#include "core/forms/control.h"
#include "core/forms/form_host.h"
#include "core/index/index_update.h"

// The main window's state and handlers, free of any toolkit: a front end draws the controls
// and passes their events in. It owns the program-wide state for the program's lifetime.
class Form1 {
public:
    explicit Form1(FormHost& host);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The start-up steps, once the front end has made sure that no other copy runs.
    void Form_Load();
    // The close box: every window closes and the program ends.
    void Form_Unload();

    // The Poser folder; empty when none is set. The Poser folder dialog sets it.
    std::string PoserDir;

    // The drives as Windows programs see them, read at start-up.
    const Drives drives;

    // Controls: the window's caption, then each control.
    Control Caption;
    Control Text2;
    Control Label2;
    Control Text1;
    Control Command9;
    Control Command6;
    Control Command10;
    Control Command11;
    Control Command12;
    Control Command3;
    Control Command4;
    Control Command5;
    Control Command7;
    Control Check1;
    Control Label3;
    Control Label1;

    // Handlers of the controls.
    void Text2_Click();      // form1_lookup.cpp
    void Command9_Click();   // form1_transfer.cpp
    void Command6_Click();   // form1_transfer.cpp
    void Command10_Click();  // form1_transfer.cpp
    void Command11_Click();  // form1_transfer.cpp
    void Command12_Click();  // form1_transfer.cpp
    void Command3_Click();   // form1_transfer.cpp
    void Command4_Click();
    void Command5_Click();  // form1_update.cpp
    void Command7_Click();

    // The number buttons "1" to "5", in match order.
    std::array<Control*, 5> numberButtons();

    // While the program ends: a scan stops at its next step.
    bool isEnding() const { return ending; }

private:
    std::array<std::string*, 5> storedPaths();
    void sendStoredPath(const std::string& storedPath);

    // The Update's scan, letting events run between its steps (form1_update.cpp).
    UpdateOutcome ScanLibrary();
    void showState(const std::string& caption, bool busy);
    std::string failureMessage(UpdateOutcome outcome) const;
    bool letEventsRun();
    void publishLastExtension();

    FormHost& host;
    std::string nl;
    std::string ans;  // the Update question's answer ("6" or "7"), then a scan's last extension

    LibraryScan scan;
    std::chrono::steady_clock::time_point nextYield;
    bool waitShown = false;  // the caption says the scan waits for another Update

    // The last look-up's matches: their count and the first five, lower-cased.
    std::ptrdiff_t hits = 0;
    std::string hit1, hit2, hit3, hit4, hit5;
    std::string cliptext;
    std::string lookname;

    bool ending = false;
};

// The program's error message: "ERROR: ", a blank line, what went wrong, then the detail.
std::string errorMessage(const std::string& nl, const std::string& what, const std::string& detail);
