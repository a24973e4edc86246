#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "system/file_status.h"
#include "system/host_paths.h"

std::string workingFolder() {
    char path[PATH_MAX];
    return getcwd(path, sizeof path) != nullptr ? std::string(path) : std::string();
}

bool makeFolder(const std::string& hostPath) {
    return mkdir(hostPath.c_str(), 0777) == 0 || pathKind(hostPath) == PathKind::Folder;
}

bool makeFolders(const std::string& hostPath) {
    if (pathKind(hostPath) == PathKind::Folder) {
        return true;
    }
    const std::size_t slash = hostPath.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        makeFolders(hostPath.substr(0, slash));
    }
    return makeFolder(hostPath);
}
