#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/drives/drives.h"
#include "core/folders/folder_lists.h"
#include "core/forms/control.h"

// A drive list: every drive Windows programs see, by letter; its text is the chosen drive, its
// letter and colon, such as "c:". It starts at the drive of the program's current folder, as a
// freshly made list does.
class DriveListControl : public Control {
public:
    explicit DriveListControl(const Drives& drives);

    const std::vector<::Drive>& drives() const { return shownDrives.drives(); }
    std::string Drive() const { return text(); }

private:
    Drives shownDrives;
};

// A folder list: its text is the open folder (`Path`), whose ancestors and subfolders it shows.
// It opens at the program's current folder, as a freshly made list does.
class FolderListControl : public Control {
public:
    explicit FolderListControl(const Drives& drives);

    const std::string& Path() const { return folders.Path(); }
    // Opens the folder at a drive path, or a drive's current folder for a "c:" drive text.
    // A folder that cannot be opened fails, and the list keeps its folder.
    bool setPath(std::string_view drivePath);

    // What the list shows.
    const FolderList& list() const { return folders; }

private:
    FolderList folders;
};
