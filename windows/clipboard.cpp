#include "windows/clipboard.h"

#include <cstring>

#include "system/wide_text.h"

namespace {

// Another program may hold the clipboard for a moment: a few tries before giving up.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        for (int tries = 0; tries < 20 && !opened; ++tries) {
            opened = OpenClipboard(owner) != FALSE;
            if (!opened) {
                Sleep(10);
            }
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (opened) {
            CloseClipboard();
        }
    }
    explicit operator bool() const { return opened; }

private:
    bool opened = false;
};

}  // namespace

std::string clipboardText(HWND owner) {
    const OpenedClipboard clipboard(owner);
    const HANDLE data = clipboard ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr) {
        return {};
    }
    // Bounded by the block's size: a text whose owner left out its nul ends there.
    const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
    const std::wstring_view wide(text, wcsnlen(text, units));
    std::string utf8 = utf8Text(wide);
    GlobalUnlock(data);
    return utf8;
}

void clearClipboard(HWND owner) {
    if (const OpenedClipboard clipboard(owner); clipboard) {
        EmptyClipboard();
    }
}

void setClipboardText(HWND owner, const std::string& text) {
    const std::wstring wide = wideText(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    const OpenedClipboard clipboard(owner);
    const HGLOBAL block = clipboard ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
    if (block == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(block), wide.c_str(), bytes);
    GlobalUnlock(block);
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
        GlobalFree(block);  // still ours when the clipboard did not take it
    }
}
