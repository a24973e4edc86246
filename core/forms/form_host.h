#pragma once

#include <string>

#include "core/drives/drive_paths.h"

// The answers of a message box, as the program's shared `ans` holds them.
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

enum class MsgBoxButtons { OkOnly, YesNo };

// What the handlers ask of the window system beyond their controls. Each front end answers
// with its own toolkit.
class FormHost {
public:
    // A modal box with no icon and the caption "Poser Quobbin", its text shown as plain text;
    // gives the button pressed (vbOK, vbYes or vbNo; Yes is the default, Escape says No).
    virtual int MsgBox(const std::string& text, MsgBoxButtons buttons) = 0;

    // The clipboard as plain text: the only channel to and from Poser's locate-file dialog.
    virtual std::string clipboardText() = 0;  // empty when it holds no text
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Lets pending events run (a click, a repaint); false when the program is ending.
    virtual bool DoEvents() = 0;
    // Whether the session asked the program to end (a logout, a kill): asked at every step of
    // a scan, events or not.
    virtual bool isQuitAsked() = 0;

    virtual void showPoserFolderDialog() = 0;
    virtual void showHelp() = 0;
    // Closes every window of the program and ends it.
    virtual void End() = 0;

protected:
    ~FormHost() = default;
};

// A chosen path to the clipboard, for Poser's dialog to take: only a drive path goes there, as
// the dialog opens nothing else. Both the main window and the scene check send paths so.
template <typename Host>
void sendPath(Host& host, const std::string& path) {
    if (isDrivePath(path)) {
        host.clearClipboard();
        host.setClipboardText(path);
    } else {
        host.MsgBox("Can't send information.", MsgBoxButtons::OkOnly);
    }
}
