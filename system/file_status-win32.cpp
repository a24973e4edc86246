#include "system/file_status.h"

#include <windows.h>

#include "system/wide_text.h"

// Opened, a link is followed to what it names, which the attributes of its path would not tell.
PathKind pathKind(const std::string& hostPath) {
    const HANDLE file = CreateFileW(widePath(hostPath).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return PathKind::Missing;
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
