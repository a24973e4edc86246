#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <string_view>

#include "core/text/file_names.h"
#include "platform/letter_case.h"

namespace {

enum class Kind { Folder, File, Neither };

struct EntryKind {
    Kind kind;
    bool link;
};

Kind kindOfMode(mode_t mode) {
    return S_ISDIR(mode) ? Kind::Folder : S_ISREG(mode) ? Kind::File : Kind::Neither;
}

// d_type answers without a stat for plain entries; links and file systems that leave the
// type unknown need one. A link is what it points at; a dangling link is neither. Only regular
// files are files: a FIFO, a socket or a device node is no content and could hang a reader.
EntryKind kindOf(int folderFd, const dirent64* entry) {
    struct stat info {};
    switch (entry->d_type) {
        case DT_DIR:
            return {Kind::Folder, false};
        case DT_REG:
            return {Kind::File, false};
        case DT_UNKNOWN:
            if (fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                return {Kind::Neither, false};
            }
            if (!S_ISLNK(info.st_mode)) {
                return {kindOfMode(info.st_mode), false};
            }
            [[fallthrough]];
        case DT_LNK:
            if (fstatat(folderFd, entry->d_name, &info, 0) != 0) {
                return {Kind::Neither, true};
            }
            return {kindOfMode(info.st_mode), true};
        default:
            return {Kind::Neither, false};
    }
}

// Hands on each entry of an open folder. getdents64 rather than opendir, which would stat the
// folder and allocate a buffer for each of a library's ten thousand folders. A read that
// fails ends the listing; false then.
template <typename OnEntry>
bool forEachEntry(int folderFd, OnEntry onEntry) {
    alignas(dirent64) std::array<char, 32 * 1024> buffer;
    ssize_t got = 0;
    while ((got = getdents64(folderFd, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
            onEntry(*entry);
            at += entry->d_reclen;
        }
    }
    return got == 0;
}

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

FolderIdentity FolderListing::identity() const {
    struct stat self {};
    if (stat(hostPath.constData(), &self) != 0) {
        return {};
    }
    return {self.st_dev, self.st_ino};
}

QByteArray FolderListing::folderHostPath(qsizetype i) const {
    return joined(hostPath, '/', folderName(i));
}

std::shared_ptr<const FolderListing> FolderListing::readHost(const QByteArray& hostPath,
                                                             const QByteArray& drivePathUtf8) {
    // Non-blocking, as a FIFO put in a folder's place must not hang the open.
    const int fd = open(hostPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    auto listing = std::make_shared<FolderListing>();
    listing->hostPath = hostPath;
    listing->path = QString::fromUtf8(drivePathUtf8);
    listing->pathUtf8 = drivePathUtf8;
    listing->whole = forEachEntry(fd, [&](const dirent64& entry) {
        const QByteArrayView name(entry.d_name);
        if (name == "." || name == ".." || !isListableName(bytesOf(name))) {
            return;
        }
        const EntryKind kind = kindOf(fd, &entry);
        if (kind.kind == Kind::Neither) {
            return;
        }
        const Entry e{std::uint32_t(listing->names.size()), std::uint16_t(name.size()), kind.link};
        listing->names.append(name.data(), size_t(name.size()));
        (kind.kind == Kind::Folder ? listing->folders : listing->files).push_back(e);
    });
    close(fd);
    listing->sortEntries(listing->folders);
    listing->sortEntries(listing->files);
    return listing;
}

void FolderListing::sortEntries(std::vector<Entry>& entries) const {
    std::sort(entries.begin(), entries.end(),
              [this](Entry a, Entry b) { return compareFolded(nameAt(a), nameAt(b)) < 0; });
}
