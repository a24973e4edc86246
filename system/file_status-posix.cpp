#include <sys/stat.h>
#include <unistd.h>

#include "system/file_status.h"

PathKind pathKind(const std::string& hostPath) {
    struct stat info {};
    if (stat(hostPath.c_str(), &info) != 0) {
        return lstat(hostPath.c_str(), &info) == 0 ? PathKind::Other : PathKind::Missing;
    }
    return S_ISDIR(info.st_mode)   ? PathKind::Folder
           : S_ISREG(info.st_mode) ? PathKind::File
                                   : PathKind::Other;
}

std::uint64_t fileSize(const std::string& hostPath) {
    struct stat info {};
    return stat(hostPath.c_str(), &info) == 0 ? std::uint64_t(info.st_size) : 0;
}

bool canWriteIn(const std::string& folderHostPath) {
    return access(folderHostPath.c_str(), W_OK) == 0;
}
