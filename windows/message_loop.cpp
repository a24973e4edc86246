#include "windows/message_loop.h"

#include "windows/form1_window.h"

namespace {

// Each message to its window, after the keyboard's own moves between a window's controls (Tab,
// the arrows, Enter and Escape) and the digits of the number buttons.
void dispatch(Form1Window& form, MSG& message) {
    const HWND window = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (message.message == WM_CHAR && window != nullptr && window == form.handle() &&
        form.pressNumberButton(wchar_t(message.wParam))) {
        return;
    }
    if (window != nullptr && IsDialogMessageW(window, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

int runMessageLoop(Form1Window& form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(form, message);
    }
    return int(message.wParam);
}

// The loop's end is left for the outer loop to see as well.
bool runWaitingMessages(Form1Window& form) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam));
            return false;
        }
        dispatch(form, message);
    }
    return true;
}
