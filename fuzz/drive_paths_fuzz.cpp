// splitDrivePath and Drives::resolve over a prefix with two drives: the names of a split
// path are plain names, and a resolved path never leaves its drive's root.
#include "core/drives/drive_paths.h"
#include "core/drives/drives.h"
#include "fuzz/fuzz_support.h"

// Input: a drive path in UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Drives& drives = fuzzPrefix().drives();
    const std::string_view drivePath(reinterpret_cast<const char*>(data), size);

    if (const std::optional<DrivePathParts> parts = splitDrivePath(drivePath)) {
        for (const std::string& name : parts->names) {
            fuzzCheck(!name.empty() && name != "." && name != ".." &&
                          name.find_first_of("\\/") == std::string::npos,
                      "a split path holds only plain names");
        }
    }
    if (const std::optional<ResolvedPath> resolved = drives.resolve(drivePath)) {
        const Drive* drive = drives.drive(resolved->drivePath.front());
        fuzzCheck(drive != nullptr, "a resolved path is on a known drive");
        fuzzCheck(
            resolved->hostPath == drive->root || resolved->hostPath.starts_with(drive->root + '/'),
            "a resolved path stays under its drive's root");
    }
    return 0;
}
