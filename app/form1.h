#pragma once

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <array>
#include <chrono>

#include "core/drives/drives.h"
#include "core/index/index_update.h"
#include "platform/one_copy_lock.h"

class ClickTextBox;
class QCheckBox;
class QLabel;
class ResultsBox;
class QPushButton;
class Form2;
class Form4;
class Form5;
class Form6;

// The main window. It owns the program-wide state for the program's lifetime; other windows
// reach it directly. Each handler is defined in the folder of the subsystem that owns it.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // The start-up steps. False when another copy already runs: the program then ends at
    // once, having touched nothing.
    bool Form_Load();

    // The Poser folder; empty when none is set. The Poser folder dialog sets it.
    QString PoserDir;

    // The drives as Wine sees them, read at start-up.
    const Drives drives;

    // The help pages, each existing at most once; the pages reach them to page on.
    QPointer<Form4> helpPage1;
    QPointer<Form5> helpPage2;
    QPointer<Form6> helpPage3;

    // Controls.
    ClickTextBox* Text2;
    QLabel* Label2;
    ResultsBox* Text1;
    QPushButton* Command9;
    QPushButton* Command6;
    QPushButton* Command10;
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command7;
    QCheckBox* Check1;
    QLabel* Label3;
    QLabel* Label1;

    // Handlers of the controls.
    void Text2_Click();      // lookup/missing_file_lookup.cpp
    void Command9_Click();   // lookup/transfer_buttons.cpp
    void Command6_Click();   // lookup/transfer_buttons.cpp
    void Command10_Click();  // lookup/transfer_buttons.cpp
    void Command11_Click();  // lookup/transfer_buttons.cpp
    void Command12_Click();  // lookup/transfer_buttons.cpp
    void Command3_Click();   // lookup/transfer_buttons.cpp
    void Command4_Click();   // setup/form2.cpp
    void Command5_Click();   // index/update_command.cpp
    void Command7_Click();   // setup/help_pages.cpp

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void describeControls();
    void connectHandlers();
    void Form_Unload();
    void End();

    // The number buttons "1" to "5" and the paths they send, in match order.
    std::array<QPushButton*, 5> numberButtons() const;
    std::array<QString*, 5> storedPaths();

    // The Update's scan, letting events run between its steps (index/update_command.cpp).
    UpdateOutcome ScanLibrary();
    QString failureMessage(UpdateOutcome outcome) const;
    bool letEventsRun();
    void publishLastExtension();

    QString nl;
    QVariant ans;  // the Update question's answer (6 or 7), then a scan's last extension

    LibraryScan scan;
    std::chrono::steady_clock::time_point nextYield;
    bool waitShown = false;  // the caption says the scan waits for another Update

    // The last look-up's matches: their count and the first five, lower-cased (lookup/).
    qsizetype hits = 0;
    QString hit1, hit2, hit3, hit4, hit5;
    QString cliptext;
    QString lookname;

    OneCopyLock oneCopy;
    QPointer<Form2> poserFolderDialog;
    bool ending = false;
};
