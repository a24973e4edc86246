#include "system/program_path.h"

#include <windows.h>

#include "system/wide_text.h"

std::string programPath() {
    // A path longer than the buffer is cut short, and told only by filling it: it grows till the
    // path fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return utf8Text(path);
        }
        path.resize(path.size() * 2);
    }
}
