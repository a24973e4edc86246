#include "windows/form2_window.h"

#include <commctrl.h>

#include "system/wide_text.h"
#include "windows/message_box.h"

namespace {

enum ControlId : int { idDrive1 = 100, idDir1, idCommand1, idCommand2 };

}  // namespace

// The drive list shows the chosen drive.
class Form2Window::DriveListView final : public ControlView {
public:
    explicit DriveListView(HWND list) : list(list) {}
    void draw(const Control& shown) override {
        SendMessageW(list, CB_SELECTSTRING, WPARAM(-1),
                     reinterpret_cast<LPARAM>(wideText(shown.text()).c_str()));
        drawState(list, shown);
    }

private:
    HWND list;
};

// The folder list: the open folder's ancestors from the drive's root down, each a step further
// in, the open folder highlighted, then its subfolders.
class Form2Window::FolderListView final : public ControlView {
public:
    FolderListView(HWND list, const FolderListControl& control) : list(list), control(control) {}

    void draw(const Control& shown) override {
        ancestry = splitDrivePath(control.Path());
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        const int open = openRow();
        for (int row = 0; row <= open; ++row) {
            add(std::wstring(std::size_t(row) * 2, L' ') + wideText(nameAt(row)));
        }
        const std::wstring indent(std::size_t(open + 1) * 2, L' ');
        for (std::ptrdiff_t i = 0; i < control.list().ListCount(); ++i) {
            const std::string path = control.list().List(i);
            add(indent + wideText(path.substr(path.find_last_of('\\') + 1)));
        }
        SendMessageW(list, LB_SETCURSEL, WPARAM(open), 0);
        SendMessageW(list, LB_SETTOPINDEX, WPARAM(open), 0);
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        drawState(list, shown);
    }

    std::string drivePathAt(int row) const {
        if (row <= openRow()) {
            const std::vector<std::string> names(ancestry->names.begin(),
                                                 ancestry->names.begin() + row);
            return joinDrivePath(ancestry->letter, names);
        }
        return control.list().List(row - openRow() - 1);
    }

private:
    int openRow() const { return ancestry ? int(ancestry->names.size()) : -1; }
    std::string nameAt(int row) const {
        return row == 0 ? std::string{char(ancestry->letter), ':', '\\'}
                        : ancestry->names[std::size_t(row - 1)];
    }
    void add(const std::wstring& entry) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }

    HWND list;
    const FolderListControl& control;
    std::optional<DrivePathParts> ancestry;
};

Form2Window::Form2Window(Form1& form1, HWND owner) : form2(form1, *this) {
    create(L"QuobbinWindow", Border::Dialog, owner, 4950, 3090, GetSysColor(COLOR_BTNFACE));
    drawWith(form2.Caption, hwnd, Shows::Caption);
    Label1 = addControl(WC_STATICW, label, 0, {120, 120, 4455, 375}, {L"MS Sans Serif", 975, true});
    drawWith(form2.Label1, Label1, Shows::Text);
    // A drop-down list's height is that of its open list; its box takes the font's.
    Drive1 = addControl(WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, idDrive1,
                        {120, 600, 2775, 315 * 10});
    for (const ::Drive& drive : form2.Drive1.drives()) {
        const wchar_t name[] = {wchar_t(drive.letter), L':', L'\0'};
        SendMessageW(Drive1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    driveList = std::make_unique<DriveListView>(Drive1);
    form2.Drive1.drawWith(driveList.get());
    Dir1 = addControl(WC_LISTBOXW,
                      WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP,
                      idDir1, {120, 1080, 2775, 1665});
    takeEnterAsDoubleClick(Dir1);
    folderList = std::make_unique<FolderListView>(Dir1, form2.Dir1);
    form2.Dir1.drawWith(folderList.get());
    Command1 =
        addControl(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, idCommand1, {3120, 1080, 1455, 495});
    drawWith(form2.Command1, Command1, Shows::Text);
    Command2 =
        addControl(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, idCommand2, {3120, 1680, 1455, 495});
    drawWith(form2.Command2, Command2, Shows::Text);
}

Form2Window::~Form2Window() = default;

int Form2Window::MsgBox(const std::string& text, MsgBoxButtons buttons) {
    return showMessageBox(hwnd, text, buttons);
}

// A Change only when the drive differs.
void Form2Window::chooseDrive() {
    const LRESULT chosen = SendMessageW(Drive1, CB_GETCURSEL, 0, 0);
    if (chosen < 0) {
        return;
    }
    const ::Drive& drive = form2.Drive1.drives().at(std::size_t(chosen));
    const std::string name{drive.letter, ':'};
    if (name == form2.Drive1.Drive()) {
        return;
    }
    form2.Drive1.takeUserText(name);
    form2.Drive1_Change();
}

void Form2Window::openEntry() {
    const LRESULT row = SendMessageW(Dir1, LB_GETCURSEL, 0, 0);
    if (row < 0) {
        return;
    }
    const std::string drivePath = folderList->drivePathAt(int(row));
    if (form2.Dir1.setPath(drivePath)) {
        return;
    }
    MsgBox("This folder cannot be opened:\r\n" + drivePath, MsgBoxButtons::OkOnly);
    // It may have been removed since the list was read: show what the open folder holds now.
    form2.Dir1.setPath(form2.Dir1.Path());
}

LRESULT Form2Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) {
        return Window::onMessage(message, wParam, lParam);
    }
    switch (LOWORD(wParam)) {
        case idDrive1:
            if (HIWORD(wParam) == CBN_SELCHANGE) {
                chooseDrive();
            }
            break;
        case idDir1:
            if (HIWORD(wParam) == LBN_DBLCLK) {
                openEntry();
            }
            break;
        case idCommand1:
            form2.Command1_Click();
            break;
        case idCommand2:
        case IDCANCEL:  // Escape
            form2.Command2_Click();
            break;
        default:
            break;
    }
    return 0;
}
