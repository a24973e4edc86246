#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A drive letter that Windows programs see. Every path the program shows, stores or puts on the
// clipboard is a drive path, so that Poser can open it.
struct Drive {
    char letter;       // lower case
    std::string root;  // the drive's root folder on the host
    bool isReady() const;
};

// Where a drive path leads on the host, and the drive path as it stands on disk.
struct ResolvedPath {
    std::string hostPath;
    std::string drivePath;
};

class Drives {
public:
    // The drives of this system: on Linux, those of $WINEPREFIX (else ~/.wine), or Wine's
    // defaults c: and z: when the prefix has no dosdevices folder.
    static Drives ofSystem();
    Drives() = default;
    explicit Drives(std::vector<Drive> drives, bool fallback = false);

    const std::vector<Drive>& drives() const { return driveList; }
    // True when there is no Wine prefix and the program uses Wine's default drives.
    bool isFallback() const { return fallback; }
    const Drive* drive(char letter) const;

    // Names are taken as they stand when such an entry exists, else the first entry that
    // equals them with letter case ignored, as Wine does on a case-sensitive file system.
    // Names past the deepest existing folder are kept as given, so that a file or folder
    // about to be made has a host path too. Empty when the text is not a drive path or its
    // drive is unknown.
    std::optional<ResolvedPath> resolve(std::string_view drivePath) const;

    // The host path as a drive path: under the deepest drive root that holds it, the lower
    // letter where two drives share that root. Empty when no drive holds it.
    std::string toDrivePath(const std::string& hostPath) const;

    // The process's working folder as a drive path.
    std::string currentFolder() const;

    // The folder a drive opens at: the working folder when it lies on that drive, else its root.
    std::string driveCurrentFolder(char letter) const;

private:
    std::vector<Drive> driveList;  // ordered by letter
    bool fallback = false;
};
