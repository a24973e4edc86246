#include <windows.h>

#include "system/ansi_code_page.h"
#include "system/wide_text.h"

// Without MB_ERR_INVALID_CHARS a byte the code page leaves undefined, or a cut pair of a
// double-byte one, becomes a replacement letter instead of failing the whole text.
std::string utf8FromAnsiCodePage(std::string_view ansi) {
    if (ansi.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), length);
    return utf8Text(wide);
}
