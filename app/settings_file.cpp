#include "app/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>

#include "core/text/text_lines.h"
#include "platform/data_files.h"
#include "platform/regular_file.h"

SettingsFile::SettingsFile(const WineDrives& drives) {
    if (const std::optional<ResolvedPath> resolved = drives.resolve(settingsFilePath)) {
        hostPath = resolved->hostPath;
    }
}

std::optional<qint64> SettingsFile::ensureAndMeasure() const {
    if (hostPath.isEmpty()) {
        return std::nullopt;
    }
    // Reading is enough to measure: only making a missing file needs write access.
    const QByteArray path = QFile::encodeName(hostPath);
    int fd = openRegularFile(path.constData(), O_RDONLY);
    if (fd < 0 && errno == ENOENT) {
        fd = openRegularFile(path.constData(), O_WRONLY | O_CREAT, 0666);
    }
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    const bool measured = fstat(fd, &info) == 0;
    ::close(fd);
    return measured ? std::optional<qint64>(info.st_size) : std::nullopt;
}

std::optional<QString> SettingsFile::readFirstLine() const {
    if (hostPath.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<std::string> line =
        ::readFirstLine(QFile::encodeName(hostPath).toStdString());
    if (!line) {
        return std::nullopt;
    }
    return QString::fromStdString(*line);
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
