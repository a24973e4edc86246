#pragma once

#include "core/forms/control.h"

// What a help page asks of its window: showing another page (2 or 3), each existing at most
// once, and hiding itself.
class HelpPageHost {
public:
    virtual void showPage(int page) = 0;
    virtual void Hide() = 0;

protected:
    ~HelpPageHost() = default;
};

// Page 1: setting up.
class Form4 {
public:
    explicit Form4(HelpPageHost& host) : host(host) {}

    Control Caption{"Setting Up Poser Quobbin"};
    Control Label1{"SETUP"};
    Control Command2{"Next >"};

    void Command2_Click();

private:
    HelpPageHost& host;
};

// Page 2: getting a missing file's name from Poser.
class Form5 {
public:
    explicit Form5(HelpPageHost& host) : host(host) {}

    Control Caption{"How to Use Poser Quobbin - Get The FileName From Poser"};
    Control Command1{"Next >"};

    void Command1_Click();

private:
    HelpPageHost& host;
};

// Page 3: finding the file; closed with its close box.
struct Form6 {
    Control Caption{"How to Use Poser Quobbin - Using the Quobbin to Get Files"};
};
