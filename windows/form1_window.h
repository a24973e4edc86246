#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/forms/form1.h"
#include "system/one_copy_lock.h"
#include "windows/help_page_windows.h"
#include "windows/window.h"

class Form2Window;
class SceneCheckWindow;

// The main window as Win32 draws it: its controls show the state that `form1`'s handlers leave,
// and their events reach those handlers. It answers the handlers' questions of the desktop.
class Form1Window : public Window, public FormHost {
public:
    Form1Window();
    ~Form1Window() override;

    // The start-up steps. False when another copy already runs: the program then ends at
    // once, having touched nothing.
    bool Form_Load();

    Form1 form1;

    // Controls.
    HWND Text2, Label2, Text1, Command9, Command6, Command10, Command11, Command12, Command3,
        Command4, Command5, Command7, Check1, Label3, Label1;

    int MsgBox(const std::string& text, MsgBoxButtons buttons) override;
    std::string clipboardText() override;
    void clearClipboard() override;
    void setClipboardText(const std::string& text) override;
    bool DoEvents() override;
    bool isQuitAsked() override;
    void showPoserFolderDialog() override;
    void showHelp() override;
    void End() override;

    // Opens a scene-check window for a Poser file (a host path).
    void checkScene(const std::string& hostPath);
    // A digit typed anywhere in the window presses its number button, when that shows.
    bool pressNumberButton(wchar_t digit);

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void drawControls();
    void runHandler(int id);
    void takeDroppedFiles(HDROP dropped);
    bool takeFilesOfSecondCopy(const COPYDATASTRUCT& sent);

    OneCopyLock oneCopy;
    bool text2Pressed = false;  // the look-up box has the mouse button down on it
    bool sessionEnds = false;   // a logoff or shutdown: a scan stops and keeps the old index
    std::unique_ptr<Form2Window> poserFolderDialog;
    HelpPageSet helpPages{*this};
    std::vector<std::unique_ptr<SceneCheckWindow>> sceneChecks;
};

// The files a second copy was given go to the running copy's window with this mark.
constexpr ULONG_PTR filesToCheckMark = 0x51554F42;  // "QUOB"
