#include "windows/form1_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

#include "system/wide_text.h"
#include "windows/clipboard.h"
#include "windows/form2_window.h"
#include "windows/help_page_windows.h"
#include "windows/message_box.h"
#include "windows/message_loop.h"
#include "windows/scene_check_window.h"

namespace {

enum ControlId : int {
    idText2 = 100,
    idText1,
    idCommand9,
    idCommand6,
    idCommand10,
    idCommand11,
    idCommand12,
    idCommand3,
    idCommand4,
    idCommand5,
    idCommand7,
    idCheck1,
};

const FontSpec boldSans{L"MS Sans Serif", 825, true};
constexpr COLORREF numberButtonFace = RGB(192, 255, 192);

// The look-up box: a click, Enter or Space runs the look-up, which the window posts to itself so
// that it runs after the box has done with the mouse.
LRESULT CALLBACK clickTextBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR pressed) {
    const auto click = [box] {
        PostMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(idText2, BN_CLICKED),
                     reinterpret_cast<LPARAM>(box));
    };
    const bool plainKey =
        GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    bool& isPressed = *reinterpret_cast<bool*>(pressed);
    switch (message) {
        case WM_GETDLGCODE:  // Enter is the box's, not a press of a button; Tab moves on
            if (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
                return DefSubclassProc(box, message, wParam, lParam) | DLGC_WANTMESSAGE;
            }
            break;
        case WM_KEYDOWN:
            if ((wParam == VK_RETURN || wParam == VK_SPACE) && plainKey) {
                click();
                return 0;
            }
            break;
        case WM_CHAR:
            if ((wParam == L'\r' || wParam == L' ') && plainKey) {
                return 0;  // the click key's own character, typed by no one
            }
            break;
        case WM_LBUTTONDOWN:
            isPressed = true;
            break;
        case WM_LBUTTONDBLCLK:
            isPressed = false;
            break;
        case WM_LBUTTONUP: {
            RECT area;
            GetClientRect(box, &area);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const bool clicked = isPressed && PtInRect(&area, at);
            isPressed = false;
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            if (clicked) {
                click();
            }
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

Form1Window::Form1Window() : form1(*this) {
    create(mainClass, Border::Main, nullptr, 7320, 3795, RGB(0, 0, 0));
    DragAcceptFiles(hwnd, TRUE);
    createControls();
    drawControls();
}

Form1Window::~Form1Window() = default;

void Form1Window::createControls() {
    constexpr DWORD button = BS_PUSHBUTTON | WS_TABSTOP;
    // Made first: a screen reader names the box after the label just before it.
    Label2 = addControl(WC_STATICW, label, 0, {3960, 480, 2055, 255});
    colourText(Label2, RGB(0, 255, 255));
    Text2 = addControl(WC_EDITW, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, idText2,
                       {120, 360, 3735, 375});
    SetWindowSubclass(Text2, clickTextBox, 0, reinterpret_cast<DWORD_PTR>(&text2Pressed));
    // The box holds what the look-up pastes, whole: an edit box's own limit is 30,000 characters.
    SendMessageW(Text2, EM_SETLIMITTEXT, 0, 0);
    Text1 = addControl(WC_EDITW,
                       WS_BORDER | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                           ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_TABSTOP,
                       idText1, {120, 840, 6975, 1455}, boldSans);
    const std::array<HWND*, 5> numbers{&Command9, &Command6, &Command10, &Command11, &Command12};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        *numbers[i] = addControl(WC_BUTTONW, button, idCommand9 + int(i),
                                 {120 + 600 * int(i), 2400, 495, 495}, boldSans);
        colourFace(*numbers[i], numberButtonFace);
    }
    Command3 = addControl(WC_BUTTONW, button, idCommand3, {3120, 2400, 975, 495});
    Command4 = addControl(WC_BUTTONW, button, idCommand4, {4200, 2400, 975, 495});
    Command5 = addControl(WC_BUTTONW, button, idCommand5, {5280, 2400, 975, 495});
    Command7 = addControl(WC_BUTTONW, button, idCommand7, {6360, 2400, 735, 495});
    colourFace(Command7, RGB(255, 192, 255));
    Check1 =
        addControl(WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, idCheck1, {5280, 2925, 1095, 255});
    colourText(Check1, RGB(255, 255, 0));
    Label3 = addControl(WC_STATICW, label, 0, {100, 3000, 3975, 735}, {L"Tahoma", 2625, true});
    colourText(Label3, RGB(0, 0, 255));
    Label1 = addControl(WC_STATICW, label, 0, {140, 3620, 4935, 255}, {L"Tahoma", 675});
    colourText(Label1, RGB(255, 255, 255));
}

void Form1Window::drawControls() {
    drawWith(form1.Caption, hwnd, Shows::Caption);
    drawWith(form1.Text2, Text2, Shows::Text);
    drawWith(form1.Label2, Label2, Shows::Text);
    drawWith(form1.Text1, Text1, Shows::MultiLineText);
    const std::array<std::pair<Control*, HWND>, 9> buttons{{{&form1.Command9, Command9},
                                                            {&form1.Command6, Command6},
                                                            {&form1.Command10, Command10},
                                                            {&form1.Command11, Command11},
                                                            {&form1.Command12, Command12},
                                                            {&form1.Command3, Command3},
                                                            {&form1.Command4, Command4},
                                                            {&form1.Command5, Command5},
                                                            {&form1.Command7, Command7}}};
    for (const auto& [control, button] : buttons) {
        drawWith(*control, button, Shows::Text);
    }
    drawWith(form1.Check1, Check1, Shows::CheckBox);
    drawWith(form1.Label3, Label3, Shows::Text);
    drawWith(form1.Label1, Label1, Shows::Text);
}

bool Form1Window::Form_Load() {
    if (!oneCopy.acquire()) {
        return false;
    }
    form1.Form_Load();
    return true;
}

// Each control's event reaches the handler named after the control and the event.
void Form1Window::runHandler(int id) {
    using Handler = void (Form1::*)();
    static constexpr std::array<std::pair<int, Handler>, 10> clicks{{
        {idText2, &Form1::Text2_Click},
        {idCommand9, &Form1::Command9_Click},
        {idCommand6, &Form1::Command6_Click},
        {idCommand10, &Form1::Command10_Click},
        {idCommand11, &Form1::Command11_Click},
        {idCommand12, &Form1::Command12_Click},
        {idCommand3, &Form1::Command3_Click},
        {idCommand4, &Form1::Command4_Click},
        {idCommand5, &Form1::Command5_Click},
        {idCommand7, &Form1::Command7_Click},
    }};
    if (id == idCheck1) {
        form1.Check1.takeUserCheck(SendMessageW(Check1, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return;
    }
    const auto click = std::find_if(clicks.begin(), clicks.end(),
                                    [id](const auto& row) { return row.first == id; });
    if (click != clicks.end()) {
        (form1.*click->second)();
    }
}

bool Form1Window::pressNumberButton(wchar_t digit) {
    const std::array<Control*, 5> buttons = form1.numberButtons();
    if (digit < L'1' || digit > L'5') {
        return false;
    }
    const Control& button = *buttons[std::size_t(digit - L'1')];
    if (!button.visible() || !button.enabled()) {
        return false;  // typed, then, as any other character
    }
    runHandler(idCommand9 + (digit - L'1'));
    return true;
}

LRESULT Form1Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                runHandler(LOWORD(wParam));
            } else if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == idText2) {
                // What the user types is the box's state too.
                form1.Text2.takeUserText(utf8Text(windowText(Text2)));
            }
            return 0;
        case WM_CLOSE:
            form1.Form_Unload();
            return 0;
        case WM_ENDSESSION:
            if (wParam != 0) {
                sessionEnds = true;
                form1.Form_Unload();
            }
            return 0;
        case WM_DROPFILES:
            takeDroppedFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_COPYDATA:
            return takeFilesOfSecondCopy(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        default:
            return Window::onMessage(message, wParam, lParam);
    }
}

void Form1Window::takeDroppedFiles(HDROP dropped) {
    const UINT count = DragQueryFileW(dropped, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring file(DragQueryFileW(dropped, i, nullptr, 0) + 1, L'\0');
        file.resize(DragQueryFileW(dropped, i, file.data(), UINT(file.size())));
        checkScene(utf8Text(file));
    }
    DragFinish(dropped);
}

// The files come as one text, each file ended by a nul.
bool Form1Window::takeFilesOfSecondCopy(const COPYDATASTRUCT& sent) {
    if (sent.dwData != filesToCheckMark || sent.cbData % sizeof(wchar_t) != 0) {
        return false;
    }
    const std::wstring_view files(static_cast<const wchar_t*>(sent.lpData),
                                  sent.cbData / sizeof(wchar_t));
    for (std::size_t start = 0; start < files.size();) {
        const std::size_t end = std::min(files.find(L'\0', start), files.size());
        if (end > start) {
            checkScene(utf8Text(files.substr(start, end - start)));
        }
        start = end + 1;
    }
    return true;
}

void Form1Window::checkScene(const std::string& hostPath) {
    std::erase_if(sceneChecks, [](const auto& window) { return !window->exists(); });
    sceneChecks.push_back(std::make_unique<SceneCheckWindow>(form1, hostPath, hwnd));
    sceneChecks.back()->show();
}

int Form1Window::MsgBox(const std::string& text, MsgBoxButtons buttons) {
    return showMessageBox(hwnd, text, buttons);
}

std::string Form1Window::clipboardText() {
    return ::clipboardText(hwnd);
}

void Form1Window::clearClipboard() {
    ::clearClipboard(hwnd);
}

void Form1Window::setClipboardText(const std::string& text) {
    ::setClipboardText(hwnd, text);
}

bool Form1Window::DoEvents() {
    return runWaitingMessages(*this) && !form1.isEnding();
}

bool Form1Window::isQuitAsked() {
    return sessionEnds;
}

// "Set": the dialog, made and loaded on its first showing.
void Form1Window::showPoserFolderDialog() {
    if (!poserFolderDialog || !poserFolderDialog->exists()) {
        poserFolderDialog.reset();
        poserFolderDialog = std::make_unique<Form2Window>(form1, hwnd);
    }
    poserFolderDialog->show();
}

void Form1Window::showHelp() {
    helpPages.show(1);
}

// Every window closes and the message loop ends; a scan that lets events run stops at its
// next step.
void Form1Window::End() {
    sceneChecks.clear();
    poserFolderDialog.reset();
    helpPages.closeAll();
    if (hwnd != nullptr) {
        DestroyWindow(hwnd);
    }
    PostQuitMessage(0);
}
