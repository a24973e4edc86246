#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The drive letters that Wine programs on this desktop see. Every path the program shows,
// stores or puts on the clipboard is such a drive path, so Poser under Wine can open it.
struct Drive {
    QChar letter;  // lower case
    QString root;  // the drive's root folder on the host
    bool isReady() const;
};

// A drive path taken apart: its drive and its folder names, "." and ".." already applied, never
// leading above the drive's root.
struct DrivePathParts {
    QChar letter;  // lower case
    QStringList names;
    bool driveOnly = false;  // "c:" alone: the drive's current folder
};

std::optional<DrivePathParts> splitDrivePath(QStringView drivePath);

// Joins a drive letter and folder names the way the program reports paths: "C:\" for a bare
// drive, otherwise "C:\A\B" with no trailing backslash.
QString joinDrivePath(QChar letter, const QStringList& names);

// Where a drive path leads on the host, and the drive path as it stands on disk.
struct ResolvedPath {
    QString hostPath;
    QString drivePath;
};

class WineDrives {
public:
    // Reads the drives of $WINEPREFIX (else ~/.wine), or Wine's defaults c: and z: when the
    // prefix has no dosdevices folder.
    static WineDrives fromEnvironment();
    static QString prefixFolder();
    static QString fallbackDriveC();

    const QList<Drive>& drives() const { return driveList; }
    // True when there is no Wine prefix and the program uses Wine's default drives.
    bool isFallback() const { return fallback; }
    const Drive* drive(QChar letter) const;

    // Names are taken as they stand when such an entry exists, else the first entry that
    // equals them with letter case ignored, as Wine does on a case-sensitive file system.
    // Names past the deepest existing folder are kept as given, so that a file or folder
    // about to be made has a host path too. Empty when the text is not a drive path or its
    // drive is unknown.
    std::optional<ResolvedPath> resolve(QStringView drivePath) const;

    // The host folder as a drive path: under the deepest drive root that holds it, the lower
    // letter where two drives share that root. Empty when no drive holds it.
    QString toDrivePath(const QString& hostPath) const;

    // The process's working folder as a drive path.
    QString currentFolder() const;

    // The folder a drive opens at: the working folder when it lies on that drive, else its root.
    QString driveCurrentFolder(QChar letter) const;

private:
    QList<Drive> driveList;  // ordered by letter
    bool fallback = false;
};
