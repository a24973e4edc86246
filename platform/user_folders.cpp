#include "platform/user_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace {

QString absoluteFolderFrom(const char* variable) {
    const QString folder = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(folder) ? folder : QString();
}

// Anyone may make a folder in the temporary folder, under any name, and a runtime folder may
// be set up wrongly: only one that this user owns and no one else may enter is private.
bool isPrivateFolder(const QString& folder) {
    struct stat info {};
    return !folder.isEmpty() && lstat(QFile::encodeName(folder).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 0777) == 0700;
}

// Folders named `stem` and six characters of chance, as mkdtemp makes them: the first by name
// that is private, so that every copy of the program finds the same one.
QString firstPrivateFolder(const QString& stem) {
    const QDir temporary(QFileInfo(stem).path());
    const QString pattern = QFileInfo(stem).fileName() + QStringLiteral("??????");
    for (const QString& name : temporary.entryList(
             {pattern}, QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDir::Name)) {
        if (isPrivateFolder(temporary.filePath(name))) {
            return temporary.filePath(name);
        }
    }
    return {};
}

}  // namespace

QString dataHome() {
    const QString folder = absoluteFolderFrom("XDG_DATA_HOME");
    return folder.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : folder;
}

QString privateRuntimeFolder() {
    QString runtime = absoluteFolderFrom("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime)) {
        return runtime;
    }
    QString own = QDir::tempPath() + QStringLiteral("/quobbin-%1").arg(getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (isPrivateFolder(own)) {
        return own;
    }
    // Another user took the name first: one is made under a name of chance, which later starts
    // find again.
    const QString stem = own + u'-';
    QString made = firstPrivateFolder(stem);
    if (made.isEmpty()) {
        QByteArray name = QFile::encodeName(stem) + "XXXXXX";
        if (mkdtemp(name.data()) != nullptr) {
            made = firstPrivateFolder(stem);
        }
    }
    return made;
}
