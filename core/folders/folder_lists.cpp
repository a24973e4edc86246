#include "core/folders/folder_lists.h"

bool ListOfFolder::setPath(std::string_view drivePath) {
    return show(FolderListing::read(drives, drivePath));
}

bool ListOfFolder::show(std::shared_ptr<const FolderListing> read) {
    if (!read) {
        return false;
    }
    current = std::move(read);
    path = current->drivePath();
    return true;
}

std::string FolderList::List(std::ptrdiff_t i) const {
    std::string subfolder = path;
    if (!subfolder.ends_with('\\')) {
        subfolder += '\\';
    }
    return subfolder.append(current->folderName(i));
}

bool FolderList::setPathToSubfolder(const FolderList& parent, std::ptrdiff_t i) {
    return show(parent.current->readFolder(i));
}

void FileList::setPath(const FolderList& sameFolder) {
    show(sameFolder.listing());
}

std::string FileList::List(std::ptrdiff_t i) const {
    return std::string(current->fileName(i));
}
