#include <windows.h>

#include "system/drive_roots.h"

// The system's drives are the drives: "C:\" stands for itself.
DriveRoots findDriveRoots() {
    DriveRoots drives;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((present & (DWORD{1} << i)) != 0) {
            const char letter = char('a' + i);
            drives.roots.push_back({letter, std::string(1, char('A' + i)) + ":\\"});
        }
    }
    return drives;
}

std::string winePrefixFolder() {
    return {};
}

std::string fallbackDriveC() {
    return {};
}
