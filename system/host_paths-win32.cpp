#include <windows.h>

#include "system/file_status.h"
#include "system/host_paths.h"
#include "system/wide_text.h"

std::string workingFolder() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(length, L'\0');
    const DWORD written = GetCurrentDirectoryW(length, path.data());
    if (written == 0 || written >= length) {
        return {};
    }
    path.resize(written);
    return utf8Text(path);
}

bool makeFolder(const std::string& hostPath) {
    return CreateDirectoryW(widePath(hostPath).c_str(), nullptr) != 0 ||
           pathKind(hostPath) == PathKind::Folder;
}

bool makeFolders(const std::string& hostPath) {
    if (pathKind(hostPath) == PathKind::Folder) {
        return true;
    }
    const std::size_t separator = hostPath.find_last_of("\\/");
    // "C:\" stands, or the folder cannot be made at all.
    if (separator != std::string::npos && separator > 2) {
        makeFolders(hostPath.substr(0, separator));
    }
    return makeFolder(hostPath);
}
