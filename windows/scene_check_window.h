#pragma once

#include <utility>
#include <vector>

#include "core/forms/scene_check_form.h"
#include "windows/window.h"

// The missing files of a Poser file as Win32 draws them: each missing file, its candidates
// beneath it; Enter or a double click on a candidate puts its path on the clipboard.
class SceneCheckWindow : public Window, public SceneCheckHost {
public:
    SceneCheckWindow(const Form1& form1, const std::string& hostPath, HWND owner);

    int MsgBox(const std::string& text, MsgBoxButtons buttons) override;
    void clearClipboard() override;
    void setClipboardText(const std::string& text) override;

    SceneCheckForm form;
    HWND Label1, List1, Command1;

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void fillList();
    void choose();

    // What each row of the list stands for: a missing file's number, and its candidate's, or
    // -1 on the missing file itself.
    std::vector<std::pair<std::size_t, std::ptrdiff_t>> rows;
};
