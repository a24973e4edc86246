// splitDrivePath and WineDrives::resolve over a prefix with two drives: the names of a split
// path are plain names, and a resolved path never leaves its drive's root.
#include "fuzz/fuzz_support.h"
#include "platform/drives.h"

// Input: a drive path in UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WineDrives& drives = fuzzPrefix().drives();
    const QString drivePath = QString::fromUtf8(inputBytes(data, size));

    if (const std::optional<DrivePathParts> parts = splitDrivePath(drivePath)) {
        for (const QString& name : parts->names) {
            fuzzCheck(!name.isEmpty() && name != u"." && name != u".." && !name.contains(u'\\'),
                      "a split path holds only plain names");
        }
    }
    if (const std::optional<ResolvedPath> resolved = drives.resolve(drivePath)) {
        const Drive* drive = drives.drive(resolved->drivePath.front());
        fuzzCheck(drive != nullptr, "a resolved path is on a known drive");
        fuzzCheck(
            resolved->hostPath == drive->root || resolved->hostPath.startsWith(drive->root + u'/'),
            "a resolved path stays under its drive's root");
    }
    return 0;
}
