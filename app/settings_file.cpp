#include "app/settings_file.h"

#include <QFile>
#include <QSaveFile>

#include "app/data_files.h"
#include "platform/text_lines.h"

SettingsFile::SettingsFile(const WineDrives& drives) {
    if (const std::optional<ResolvedPath> resolved = drives.resolve(settingsFilePath)) {
        hostPath = resolved->hostPath;
    }
}

std::optional<qint64> SettingsFile::ensureAndMeasure() const {
    QFile file(hostPath);
    if (hostPath.isEmpty() || !file.open(QIODevice::Append)) {
        return std::nullopt;
    }
    return file.size();
}

std::optional<QString> SettingsFile::readFirstLine() const {
    if (hostPath.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<QByteArray> line = ::readFirstLine(hostPath);
    if (!line) {
        return std::nullopt;
    }
    return QString::fromUtf8(*line);
}

bool SettingsFile::write(const QString& folder) const {
    QSaveFile file(hostPath);
    if (hostPath.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(folder.toUtf8() + "\r\n");
    return file.commit();
}

std::optional<QString> SettingsFile::storedFolder() const {
    const std::optional<qint64> length = ensureAndMeasure();
    if (!length || !holdsFolder(*length)) {
        return std::nullopt;
    }
    return readFirstLine();
}
