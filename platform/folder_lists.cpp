#include "platform/folder_lists.h"

bool ListOfFolder::setPath(const QString& drivePath) {
    std::shared_ptr<const FolderListing> read = FolderListing::read(drives, drivePath);
    if (!read) {
        return false;
    }
    show(std::move(read));
    return true;
}

void ListOfFolder::show(std::shared_ptr<const FolderListing> read) {
    current = std::move(read);
    path = current->drivePath();
}

QString FolderList::List(qsizetype i) const {
    const QString name = QString::fromUtf8(current->folderName(i));
    return path.endsWith(u'\\') ? path + name : path + u'\\' + name;
}

void FileList::setPath(const FolderList& sameFolder) {
    if (sameFolder.listing()) {
        show(sameFolder.listing());
    }
}

QString FileList::List(qsizetype i) const {
    return QString::fromUtf8(current->fileName(i));
}
