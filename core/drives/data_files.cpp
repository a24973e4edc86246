#include "core/drives/data_files.h"

#include "core/drives/drives.h"
#include "system/drive_roots.h"
#include "system/host_paths.h"

void makeDataFolder(const Drives& drives) {
    if (drives.isFallback()) {
        makeFolders(fallbackDriveC());
    }
    if (const std::optional<ResolvedPath> dataFolder = drives.resolve(dataFolderPath)) {
        makeFolder(dataFolder->hostPath);
    }
}
