#include "platform/folder_lists.h"

bool ListOfFolder::setPath(const QString& drivePath) {
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

QString FolderList::List(qsizetype i) const {
    const QString name = QString::fromUtf8(current->folderName(i));
    return path.endsWith(u'\\') ? path + name : path + u'\\' + name;
}

bool FolderList::setPathToSubfolder(const FolderList& parent, qsizetype i) {
    return show(parent.current->readFolder(i));
}

void FileList::setPath(const FolderList& sameFolder) {
    show(sameFolder.listing());
}

QString FileList::List(qsizetype i) const {
    return QString::fromUtf8(current->fileName(i));
}
