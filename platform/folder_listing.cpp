#include "platform/folder_listing.h"

#include <QFile>
#include <algorithm>

#include "core/text/file_names.h"
#include "platform/letter_case.h"

namespace {

// A folder's path and a name in it, one separator between them (a root ends in one already).
QByteArray joined(const QByteArray& folder, char separator, QByteArrayView name) {
    QByteArray path = folder;
    if (!path.endsWith(separator)) {
        path += separator;
    }
    return path.append(name);
}

}  // namespace

std::shared_ptr<const FolderListing> FolderListing::read(const WineDrives& drives,
                                                         const QString& drivePath) {
    const std::optional<ResolvedPath> resolved = drives.resolve(drivePath);
    if (!resolved) {
        return nullptr;
    }
    return readHost(QFile::encodeName(resolved->hostPath), resolved->drivePath.toUtf8());
}

std::shared_ptr<const FolderListing> FolderListing::readFolder(qsizetype i) const {
    return readHost(folderHostPath(i), joined(pathUtf8, '\\', folderName(i)));
}

std::optional<FolderIdentity> FolderListing::identity() const {
    return folderIdentity(hostPath.toStdString());
}

QByteArray FolderListing::folderHostPath(qsizetype i) const {
    return joined(hostPath, '/', folderName(i));
}

std::shared_ptr<const FolderListing> FolderListing::readHost(const QByteArray& hostPath,
                                                             const QByteArray& drivePathUtf8) {
    auto listing = std::make_shared<FolderListing>();
    const FolderRead read =
        readFolderEntries(hostPath.toStdString(), [&](const FolderEntry& entry) {
            if (!isListableName(entry.name)) {
                return;
            }
            const Entry e{std::uint32_t(listing->names.size()), std::uint16_t(entry.name.size()),
                          entry.isLink};
            listing->names.append(entry.name);
            (entry.isFolder ? listing->folders : listing->files).push_back(e);
        });
    if (read == FolderRead::Unopened) {
        return nullptr;
    }
    listing->hostPath = hostPath;
    listing->path = QString::fromUtf8(drivePathUtf8);
    listing->pathUtf8 = drivePathUtf8;
    listing->whole = read == FolderRead::Whole;
    listing->sortEntries(listing->folders);
    listing->sortEntries(listing->files);
    return listing;
}

void FolderListing::sortEntries(std::vector<Entry>& entries) const {
    std::sort(entries.begin(), entries.end(),
              [this](Entry a, Entry b) { return compareFolded(nameAt(a), nameAt(b)) < 0; });
}
