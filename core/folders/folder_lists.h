#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/drives/drives.h"
#include "core/folders/folder_listing.h"

// The folder and file lists: point one at a folder (`Path`), then read its entries
// (`ListCount`, `List(i)`) in ascending order, letter case ignored. Setting `Path` to a folder
// that cannot be opened fails and leaves the list at its folder.
class ListOfFolder {
public:
    explicit ListOfFolder(const Drives& drives) : drives(drives) {}

    // The open folder as a drive path, names as they stand on disk; empty until first set.
    const std::string& Path() const { return path; }

    // Opens the folder at a drive path, or a drive's current folder for a "c:" drive text.
    bool setPath(std::string_view drivePath);

    // The read behind the list, for callers that want the names without copies.
    const std::shared_ptr<const FolderListing>& listing() const { return current; }

    // Sets `Path` to a folder read elsewhere; fails like `setPath`, keeping the folder shown,
    // when there is no read (the folder could not be opened).
    bool show(std::shared_ptr<const FolderListing> read);

protected:
    Drives drives;
    std::shared_ptr<const FolderListing> current;
    std::string path;
};

class FolderList : public ListOfFolder {
public:
    using ListOfFolder::ListOfFolder;

    std::ptrdiff_t ListCount() const { return current ? current->folderCount() : 0; }
    // The full drive path of the i-th subfolder.
    std::string List(std::ptrdiff_t i) const;

    // Sets `Path` to another folder list's `List(i)`, opening the very entry that list read,
    // without resolving the drive path again. Fails like `setPath` when it cannot be opened.
    bool setPathToSubfolder(const FolderList& parent, std::ptrdiff_t i);
};

class FileList : public ListOfFolder {
public:
    using ListOfFolder::ListOfFolder;
    using ListOfFolder::setPath;

    // Points at the folder list's folder, sharing its read rather than reading again.
    void setPath(const FolderList& sameFolder);

    std::ptrdiff_t ListCount() const { return current ? current->fileCount() : 0; }
    // The i-th file's name, without its folder.
    std::string List(std::ptrdiff_t i) const;
};
