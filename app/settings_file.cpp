#include "app/settings_file.h"

#include <QFile>

#include "platform/data_files.h"

SettingsFile settingsFileOf(const WineDrives& drives) {
    const std::optional<ResolvedPath> resolved = drives.resolve(settingsFilePath);
    return SettingsFile(resolved ? QFile::encodeName(resolved->hostPath).toStdString()
                                 : std::string());
}
