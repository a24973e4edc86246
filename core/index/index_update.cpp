#include "core/index/index_update.h"

#include "core/drives/data_files.h"
#include "system/file_status.h"
#include "system/host_paths.h"

UpdateOutcome updateIndex(LibraryScan& scan, const std::string& poserDir,
                          const BetweenSteps& betweenSteps) {
    if (poserDir.empty()) {
        return UpdateOutcome::NotSet;
    }
    if (!scan.Dir10.setPath(poserDir)) {
        return UpdateOutcome::FolderMissing;
    }
    scan.PrepareScan(poserDir);
    switch (scan.ScanLibrary(betweenSteps)) {
        case ScanOutcome::Written:
            return UpdateOutcome::Written;
        case ScanOutcome::NotWritten:
            return UpdateOutcome::NotWritten;
        case ScanOutcome::NotReady:
            return UpdateOutcome::NotReady;
        case ScanOutcome::Stopped:
            break;
    }
    return UpdateOutcome::Stopped;
}

std::string whyIndexNotWritten(const Drives& drives) {
    const std::optional<ResolvedPath> index = drives.resolve(indexFilePath);
    if (!index) {
        return "there is no drive c:";
    }
    const std::string folder = index->hostPath.substr(0, index->hostPath.rfind(hostSeparator));
    if (pathKind(folder) != PathKind::Folder) {
        return dataFolderPath + " is no folder and cannot be made";
    }
    const PathKind file = pathKind(index->hostPath);
    if (file == PathKind::Folder || file == PathKind::Other) {
        return indexFilePath + " is no file";
    }
    if (!canWriteIn(folder)) {
        return dataFolderPath + " cannot be written to";
    }
    // The index is written beside it first, under this name; what stands there is removed.
    const PathKind temporary = pathKind(index->hostPath + ".new");
    if (temporary == PathKind::Folder || temporary == PathKind::Other) {
        return indexFilePath + ".new, where it is written first, is no file and cannot be removed";
    }
    return "writing it failed (is the disk full?)";
}
