#pragma once

#include <string>
#include <vector>

// The drives that Windows programs see, and the host folder each stands for. On Windows, the
// system's own drives, each its own root. On Linux, Wine's drives: the links in the prefix's
// dosdevices folder, or Wine's defaults c: and z: when the prefix has none.
struct DriveRoot {
    char letter;             // lower case
    std::string hostFolder;  // the drive's root folder on the host
};

struct DriveRoots {
    std::vector<DriveRoot> roots;  // in the order found; a letter once
    // No Wine prefix: c: is a folder of the program's own (fallbackDriveC) and z: the host's root.
    bool isFallback = false;
};

DriveRoots findDriveRoots();

// $WINEPREFIX, else ~/.wine; empty on Windows.
std::string winePrefixFolder();
// $XDG_DATA_HOME/quobbin/drive_c, the drive c: of a desktop without Wine; empty on Windows.
std::string fallbackDriveC();
