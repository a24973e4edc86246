#include "tests/support/test_prefix.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char* const variables[] = {"WINEPREFIX", "HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"};

}  // namespace

TestPrefix::TestPrefix() {
    for (const char* name : variables) {
        saved.append({name, qgetenv(name)});
    }
    QDir().mkpath(driveC());
    QDir().mkpath(prefix() + QStringLiteral("/dosdevices"));
    QDir().mkpath(folder() + QStringLiteral("/home"));
    QDir().mkpath(folder() + QStringLiteral("/run"));
    QFile::setPermissions(folder() + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    linkDrive(u'c', QStringLiteral("../drive_c"));
    linkDrive(u'z', QStringLiteral("/"));
    qputenv("WINEPREFIX", prefix().toUtf8());
    qputenv("HOME", (folder() + QStringLiteral("/home")).toUtf8());
    qputenv("XDG_DATA_HOME", (folder() + QStringLiteral("/home/.local/share")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", (folder() + QStringLiteral("/run")).toUtf8());
}

TestPrefix::~TestPrefix() {
    for (const auto& [name, value] : saved) {
        qputenv(name.constData(), value);
    }
}

QString TestPrefix::writeFile(const QString& relative, const QByteArray& content) const {
    QString path = driveC() + u'/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
    return path;
}

QString TestPrefix::makeFolder(const QString& relative) const {
    QString path = driveC() + u'/' + relative;
    QDir().mkpath(path);
    return path;
}

void TestPrefix::makeTree(const QString& folder, const QStringList& entries) const {
    const QString root = makeFolder(folder) + u'/';
    for (const QString& entry : entries) {
        const qsizetype arrow = entry.indexOf(QStringLiteral(" -> "));
        const QString path = root + (arrow > 0 ? entry.left(arrow) : entry);
        QDir().mkpath(QFileInfo(path).path());
        if (arrow > 0) {
            QFile::link(entry.mid(arrow + 4), path);
        } else if (entry.endsWith(u'/')) {
            QDir().mkpath(path);
        } else if (entry.endsWith(u'|')) {
            mkfifo(QFile::encodeName(path.chopped(1)).constData(), 0600);
        } else {
            QFile(path).open(QIODevice::WriteOnly);
        }
    }
}

QByteArray TestPrefix::readFile(const QString& relative) const {
    QFile file(driveC() + u'/' + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void TestPrefix::linkDrive(QChar letter, const QString& target) const {
    const QString link = prefix() + QStringLiteral("/dosdevices/") + letter + u':';
    QFile::remove(link);
    QFile::link(target, link);
}
