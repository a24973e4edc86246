#pragma once

#include <string>

#include "core/forms/control.h"
#include "core/forms/form_host.h"
#include "core/forms/list_controls.h"

class Form1;

// What the Poser folder dialog asks of its window beyond its controls.
class Form2Host {
public:
    virtual int MsgBox(const std::string& text, MsgBoxButtons buttons) = 0;
    virtual void Hide() = 0;

protected:
    ~Form2Host() = default;
};

// The Poser folder dialog, free of any toolkit: the user opens Poser's main folder and stores
// it with "Set Poser". Its own buttons hide it.
class Form2 {
public:
    // Makes the dialog's state and runs its load step.
    Form2(Form1& form1, Form2Host& host);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Controls, in the order the keyboard focus moves through them.
    Control Caption;
    Control Label1;
    DriveListControl Drive1;
    FolderListControl Dir1;
    Control Command1;
    Control Command2;

    // Handlers of the controls; Escape does what "Cancel" does.
    void Drive1_Change();
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();

    Form1& form1;
    Form2Host& host;
    std::string nl;
    std::string chosenDrive;  // the drive before the last Change
};

// Whether a folder, given as a drive path, is named as Poser's main folder: its own name, the
// text after its last backslash, holds "poser" in any letter case. Only that last part counts,
// so a drive's root and the subfolders of Poser's folder are refused.
bool isPoserFolderName(std::string_view folder);
