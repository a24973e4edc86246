#include "windows/scene_check_window.h"

#include <commctrl.h>

#include "system/wide_text.h"
#include "windows/clipboard.h"
#include "windows/message_box.h"

namespace {

enum ControlId : int { idList1 = 100, idCommand1 };

}  // namespace

SceneCheckWindow::SceneCheckWindow(const Form1& form1, const std::string& hostPath, HWND owner)
    : form(form1, *this, hostPath) {
    create(L"QuobbinWindow", Border::Dialog, owner, 9000, 5000, GetSysColor(COLOR_BTNFACE));
    drawWith(form.Caption, hwnd, Shows::Caption);
    Label1 = addControl(WC_STATICW, SS_NOPREFIX, 0, {120, 120, 8760, 495});
    drawWith(form.Label1, Label1, Shows::Text);
    List1 = addControl(
        WC_LISTBOXW,
        WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP,
        idList1, {120, 720, 8760, 3480});
    takeEnterAsDoubleClick(List1);
    Command1 =
        addControl(WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, idCommand1, {6600, 4320, 2280, 495});
    drawWith(form.Command1, Command1, Shows::Text);
    fillList();
    SetFocus(List1);
}

void SceneCheckWindow::fillList() {
    const auto add = [this](const std::string& text, std::size_t i, std::ptrdiff_t n) {
        SendMessageW(List1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(text).c_str()));
        rows.emplace_back(i, n);
    };
    for (std::size_t i = 0; i < form.missing().size(); ++i) {
        const SceneCheckForm::Missing& missing = form.missing()[i];
        add(missing.reference, i, -1);
        for (std::size_t n = 0; n < missing.candidates.size(); ++n) {
            add("    (" + std::to_string(n + 1) + ") " + missing.candidates[n], i,
                std::ptrdiff_t(n));
        }
        if (missing.candidates.empty()) {
            add("    (none)", i, -1);
        }
    }
    // Room to scroll to the end of the longest line.
    SendMessageW(List1, LB_SETHORIZONTALEXTENT, WPARAM(pixels(9000) * 4), 0);
    SendMessageW(List1, LB_SETCURSEL, 0, 0);
}

void SceneCheckWindow::choose() {
    const LRESULT row = SendMessageW(List1, LB_GETCURSEL, 0, 0);
    if (row >= 0 && std::size_t(row) < rows.size() && rows[std::size_t(row)].second >= 0) {
        form.Candidate_Click(rows[std::size_t(row)].first,
                             std::size_t(rows[std::size_t(row)].second));
    }
}

int SceneCheckWindow::MsgBox(const std::string& text, MsgBoxButtons buttons) {
    return showMessageBox(hwnd, text, buttons);
}

void SceneCheckWindow::clearClipboard() {
    ::clearClipboard(hwnd);
}

void SceneCheckWindow::setClipboardText(const std::string& text) {
    ::setClipboardText(hwnd, text);
}

LRESULT SceneCheckWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == idList1 && HIWORD(wParam) == LBN_DBLCLK) {
        choose();
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == idCommand1) {
        form.Command1_Click();
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        DestroyWindow(hwnd);  // Escape closes it, as its close box does
        return 0;
    }
    return Window::onMessage(message, wParam, lParam);
}
