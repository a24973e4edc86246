#include <windows.h>

#include "system/file_status.h"
#include "system/wide_text.h"

// Opened, a link is followed to what it names, which the attributes of its path would not
// tell, and a device shows as one (its name alone, NUL or COM1, does not).
PathKind pathKind(const std::string& hostPath) {
    const std::wstring path = widePath(hostPath);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    const HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return PathKind::Other;  // there, yet not to be reached: a link that leads nowhere
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool onDisk =
        GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!onDisk) {
        return PathKind::Other;
    }
    return (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder
                                                                          : PathKind::File;
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
