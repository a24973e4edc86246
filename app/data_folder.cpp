#include "app/data_folder.h"

#include <QDir>

#include "platform/data_files.h"

void makeDataFolder(const WineDrives& drives) {
    if (drives.isFallback()) {
        QDir().mkpath(WineDrives::fallbackDriveC());
    }
    if (const std::optional<ResolvedPath> dataFolder = drives.resolve(dataFolderPath)) {
        QDir().mkdir(dataFolder->hostPath);
    }
}
