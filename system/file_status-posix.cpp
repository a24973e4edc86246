#include "system/file_status.h"

#include <sys/stat.h>

PathKind pathKind(const std::string& hostPath) {
    struct stat info {};
    if (stat(hostPath.c_str(), &info) != 0) {
        return PathKind::Missing;
    }
    return S_ISDIR(info.st_mode)   ? PathKind::Folder
           : S_ISREG(info.st_mode) ? PathKind::File
                                   : PathKind::Other;
}
