#include "windows/scene_file_chooser.h"

#include <commdlg.h>

#include "core/scene/scene_reference.h"
#include "system/wide_text.h"

namespace {

// "Poser files", their patterns, "All files", "*.*": each text ended by a nul, the list by two.
std::wstring filter() {
    std::wstring patterns;
    for (const std::string_view extension : poserExtensions) {
        patterns += (patterns.empty() ? L"*" : L";*") + wideText(extension);
    }
    using namespace std::string_literals;
    return L"Poser files\0"s + patterns + L"\0All files\0*.*\0"s;
}

}  // namespace

std::string chooseSceneFile(HWND owner) {
    const std::wstring filters = filter();
    std::wstring chosen(32768, L'\0');  // room for a long path
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = DWORD(chosen.size());
    dialog.lpstrTitle = L"Check a scene file";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) {
        return {};
    }
    chosen.resize(chosen.find(L'\0'));
    return utf8Text(chosen);
}
