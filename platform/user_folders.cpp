#include "platform/user_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace {

QString absoluteFolderFrom(const char* variable) {
    const QString folder = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(folder) ? folder : QString();
}

// Anyone may make a folder in the temporary folder, under any name: only one that this user
// owns and no one else may enter is private.
bool isPrivateFolder(const QString& folder) {
    struct stat info {};
    return lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

QString dataHome() {
    const QString folder = absoluteFolderFrom("XDG_DATA_HOME");
    return folder.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : folder;
}

QString privateRuntimeFolder() {
    QString runtime = absoluteFolderFrom("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        return runtime;
    }
    const QString own = QDir::tempPath() + QStringLiteral("/quobbin-%1").arg(getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own) ? own : QString();
}
