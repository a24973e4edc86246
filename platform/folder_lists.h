#pragma once

#include <QString>
#include <memory>

#include "platform/drives.h"
#include "platform/folder_listing.h"

// The folder and file lists: point one at a folder (`Path`), then read its entries
// (`ListCount`, `List(i)`) in ascending order, letter case ignored. Setting `Path` to a folder
// that cannot be opened fails and leaves the list at its folder.
class ListOfFolder {
public:
    explicit ListOfFolder(const WineDrives& drives) : drives(drives) {}

    // The open folder as a drive path, names as they stand on disk; empty until first set.
    const QString& Path() const { return path; }

    // Opens the folder at a drive path, or a drive's current folder for a "c:" drive text.
    bool setPath(const QString& drivePath);

    // The read behind the list, for callers that want the names as UTF-8 without copies.
    const std::shared_ptr<const FolderListing>& listing() const { return current; }

    // Sets `Path` to a folder read elsewhere; fails like `setPath`, keeping the folder shown,
    // when there is no read (the folder could not be opened).
    bool show(std::shared_ptr<const FolderListing> read);

protected:
    WineDrives drives;
    std::shared_ptr<const FolderListing> current;
    QString path;
};

class FolderList : public ListOfFolder {
public:
    using ListOfFolder::ListOfFolder;

    qsizetype ListCount() const { return current ? current->folderCount() : 0; }
    // The full drive path of the i-th subfolder.
    QString List(qsizetype i) const;

    // Sets `Path` to another folder list's `List(i)`, opening the very entry that list read,
    // without resolving the drive path again. Fails like `setPath` when it cannot be opened.
    bool setPathToSubfolder(const FolderList& parent, qsizetype i);
};

class FileList : public ListOfFolder {
public:
    using ListOfFolder::ListOfFolder;
    using ListOfFolder::setPath;

    // Points at the folder list's folder, sharing its read rather than reading again.
    void setPath(const FolderList& sameFolder);

    qsizetype ListCount() const { return current ? current->fileCount() : 0; }
    // The i-th file's name, without its folder.
    QString List(qsizetype i) const;
};
