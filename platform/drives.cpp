#include "platform/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/letter_case.h"
#include "platform/user_folders.h"

namespace {

bool isDriveLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The entry of a host folder that names `name`: as it stands when it exists, else the first
// (in byte order) that equals it with letter case ignored; empty when there is none.
QString matchingEntry(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + u'/' + name) || QFileInfo(folder + u'/' + name).isSymLink()) {
        return name;
    }
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    const QStringList entries = QDir(folder).entryList(all, QDir::Name);
    const QString wanted = toLowerSimple(name);
    for (const QString& entry : entries) {
        if (toLowerSimple(entry) == wanted) {
            return entry;
        }
    }
    return {};
}

int depthOf(const QString& hostFolder) {
    return hostFolder == QStringLiteral("/") ? 0 : int(hostFolder.count(u'/'));
}

}  // namespace

bool Drive::isReady() const {
    return QFileInfo(root).isDir();
}

std::optional<DrivePathParts> splitDrivePath(QStringView drivePath) {
    if (drivePath.size() < 2 || !isDriveLetter(drivePath[0]) || drivePath[1] != u':') {
        return std::nullopt;
    }
    DrivePathParts parts;
    parts.letter = drivePath[0].toLower();
    // A drive list's text is the letter and colon, perhaps followed by a blank and a label.
    if (drivePath.size() == 2 || drivePath[2] == u' ') {
        parts.driveOnly = true;
        return parts;
    }
    if (drivePath[2] != u'\\') {
        return std::nullopt;
    }
    // Wine takes a forward slash for a separator too; left in a name, ".." after it would lead
    // past the drive's root once the host path is cleaned.
    const QString names = drivePath.mid(3).toString().replace(u'/', u'\\');
    for (QStringView name : QStringView(names).split(u'\\', Qt::SkipEmptyParts)) {
        if (name == QStringLiteral("..")) {
            if (!parts.names.isEmpty()) {
                parts.names.removeLast();
            }
        } else if (name != QStringLiteral(".")) {
            parts.names.append(name.toString());
        }
    }
    return parts;
}

QString joinDrivePath(QChar letter, const QStringList& names) {
    return QString(letter.toUpper()) + QStringLiteral(":\\") + names.join(u'\\');
}

QString WineDrives::prefixFolder() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

QString WineDrives::fallbackDriveC() {
    return dataHome() + QStringLiteral("/quobbin/drive_c");
}

WineDrives WineDrives::fromEnvironment() {
    WineDrives wine;
    const QString dosdevices = prefixFolder() + QStringLiteral("/dosdevices");
    if (!QFileInfo(dosdevices).isDir()) {
        wine.driveList = {{u'c', fallbackDriveC()}, {u'z', QStringLiteral("/")}};
        wine.fallback = true;
        return wine;
    }
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& entry : QDir(dosdevices).entryList(all, QDir::Name)) {
        if (entry.size() != 2 || !isDriveLetter(entry[0]) || entry[1] != u':') {
            continue;
        }
        const QChar letter = entry[0].toLower();
        if (wine.drive(letter) != nullptr) {
            continue;
        }
        const QString link = dosdevices + u'/' + entry;
        const QString target = QFile::symLinkTarget(link);  // absolute, from dosdevices
        wine.driveList.append({letter, QDir::cleanPath(target.isEmpty() ? link : target)});
    }
    std::sort(wine.driveList.begin(), wine.driveList.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return wine;
}

const Drive* WineDrives::drive(QChar letter) const {
    const QChar lower = letter.toLower();
    for (const Drive& d : driveList) {
        if (d.letter == lower) {
            return &d;
        }
    }
    return nullptr;
}

std::optional<ResolvedPath> WineDrives::resolve(QStringView drivePath) const {
    const std::optional<DrivePathParts> parts = splitDrivePath(drivePath);
    if (!parts) {
        return std::nullopt;
    }
    if (parts->driveOnly) {
        return resolve(driveCurrentFolder(parts->letter));
    }
    const Drive* d = drive(parts->letter);
    if (d == nullptr) {
        return std::nullopt;
    }
    QString host = d->root == QStringLiteral("/") ? QString() : d->root;
    const QString literal = host + u'/' + parts->names.join(u'/');
    if (QFileInfo::exists(literal)) {
        return ResolvedPath{QDir::cleanPath(literal), joinDrivePath(parts->letter, parts->names)};
    }
    QStringList onDisk;
    bool inExistingFolder = true;
    for (const QString& name : parts->names) {
        QString entry = inExistingFolder
                            ? matchingEntry(host.isEmpty() ? QStringLiteral("/") : host, name)
                            : QString();
        if (entry.isEmpty()) {
            inExistingFolder = false;
            entry = name;
        }
        onDisk.append(entry);
        host += u'/' + entry;
    }
    return ResolvedPath{QDir::cleanPath(host.isEmpty() ? QStringLiteral("/") : host),
                        joinDrivePath(parts->letter, onDisk)};
}

QString WineDrives::toDrivePath(const QString& hostPath) const {
    const QString real = QFileInfo(hostPath).canonicalFilePath();
    if (real.isEmpty()) {
        return {};
    }
    const Drive* best = nullptr;
    QString bestRoot;
    for (const Drive& d : driveList) {  // in letter order, so the lower letter wins a tie
        const QString root = QFileInfo(d.root).canonicalFilePath();
        if (root.isEmpty()) {
            continue;
        }
        const bool holds =
            root == QStringLiteral("/") || real == root || real.startsWith(root + u'/');
        if (holds && (best == nullptr || depthOf(root) > depthOf(bestRoot))) {
            best = &d;
            bestRoot = root;
        }
    }
    if (best == nullptr) {
        return {};
    }
    const QString relative = bestRoot == QStringLiteral("/") ? real : real.mid(bestRoot.size());
    return joinDrivePath(best->letter, relative.split(u'/', Qt::SkipEmptyParts));
}

QString WineDrives::currentFolder() const {
    QString working = toDrivePath(QDir::currentPath());
    if (!working.isEmpty()) {
        return working;
    }
    // A prefix whose drives do not reach the working folder: start at the first drive.
    return driveList.isEmpty() ? QString() : joinDrivePath(driveList.first().letter, {});
}

QString WineDrives::driveCurrentFolder(QChar letter) const {
    QString working = currentFolder();
    if (!working.isEmpty() && working[0].toLower() == letter.toLower()) {
        return working;
    }
    return joinDrivePath(letter, {});
}
