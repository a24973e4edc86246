#include <windows.h>

#include "system/file_status.h"
#include "system/wide_text.h"

namespace {

PathKind kindOfAttributes(DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return PathKind::Folder;
    }
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? PathKind::Other : PathKind::File;
}

}  // namespace

// The attributes describe a reparse point itself: a link is followed by opening what it leads to.
PathKind pathKind(const std::string& hostPath) {
    const std::wstring path = widePath(hostPath);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return kindOfAttributes(attributes);
    }
    const HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return PathKind::Other;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool reached = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    return reached ? kindOfAttributes(info.dwFileAttributes) : PathKind::Other;
}

std::uint64_t fileSize(const std::string& hostPath) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widePath(hostPath).c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return std::uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// Windows keeps no such right in the folder's attributes (its read-only flag means something
// else on a folder): only trying tells, and the caller's attempt has.
bool canWriteIn(const std::string&) {
    return true;
}
