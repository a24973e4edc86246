#pragma once

#include <optional>

#include "core/drives/drive_paths.h"
#include "core/forms/form2.h"
#include "windows/window.h"

// The Poser folder dialog as Win32 draws it, over the shared `Form2`.
class Form2Window : public Window, public Form2Host {
public:
    Form2Window(Form1& form1, HWND owner);
    ~Form2Window() override;

    int MsgBox(const std::string& text, MsgBoxButtons buttons) override;
    void Hide() override { hide(); }

    Form2 form2;
    HWND Label1, Drive1, Dir1, Command1, Command2;

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class DriveListView;
    class FolderListView;
    void chooseDrive();
    void openEntry();

    std::unique_ptr<DriveListView> driveList;
    std::unique_ptr<FolderListView> folderList;
};
