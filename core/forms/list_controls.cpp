#include "core/forms/list_controls.h"

#include "core/text/letter_case.h"

namespace {

std::string driveOf(const std::string& drivePath) {
    return drivePath.empty() ? std::string() : std::string{asciiLower(drivePath[0]), ':'};
}

}  // namespace

DriveListControl::DriveListControl(const Drives& drives)
    : Control(driveOf(drives.currentFolder())), shownDrives(drives) {}

FolderListControl::FolderListControl(const Drives& drives) : folders(drives) {
    setPath(drives.currentFolder());
}

bool FolderListControl::setPath(std::string_view drivePath) {
    if (!folders.setPath(drivePath)) {
        return false;
    }
    setText(folders.Path());
    return true;
}
