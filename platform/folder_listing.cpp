#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "platform/letter_case.h"

namespace {

enum class Kind { Folder, File, Neither };

// d_type answers without a stat for plain entries; links and file systems that leave the
// type unknown need one. A link is what it points at; a dangling link is neither.
Kind kindOf(int folderFd, const dirent* entry) {
    switch (entry->d_type) {
        case DT_DIR:
            return Kind::Folder;
        case DT_LNK:
        case DT_UNKNOWN: {
            struct stat target {};
            if (fstatat(folderFd, entry->d_name, &target, 0) != 0) {
                return Kind::Neither;
            }
            return S_ISDIR(target.st_mode) ? Kind::Folder : Kind::File;
        }
        default:
            return Kind::File;
    }
}

bool isValidUtf8(QByteArrayView bytes) {
    if (isAscii(bytes)) {
        return true;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(decoder(bytes));
    return !decoder.hasError();
}

}  // namespace

bool isListableName(QByteArrayView name) {
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || std::strchr("\\/:*?\"<>|", c) != nullptr) {
            return false;
        }
    }
    return !name.isEmpty() && isValidUtf8(name);
}

std::shared_ptr<const FolderListing> FolderListing::read(const WineDrives& drives,
                                                         const QString& drivePath) {
    const std::optional<ResolvedPath> resolved = drives.resolve(drivePath);
    if (!resolved) {
        return nullptr;
    }
    const QByteArray hostPath = QFile::encodeName(resolved->hostPath);
    DIR* dir = opendir(hostPath.constData());
    if (dir == nullptr) {
        return nullptr;
    }
    auto listing = std::make_shared<FolderListing>();
    listing->path = resolved->drivePath;
    listing->pathUtf8 = resolved->drivePath.toUtf8();
    const int fd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == ".." || !isListableName(name)) {
            continue;
        }
        const Kind kind = kindOf(fd, entry);
        if (kind == Kind::Neither) {
            continue;
        }
        const Entry e{std::uint32_t(listing->names.size()), std::uint32_t(name.size())};
        listing->names.append(name.data(), size_t(name.size()));
        (kind == Kind::Folder ? listing->folders : listing->files).push_back(e);
    }
    closedir(dir);
    listing->sortEntries(listing->folders);
    listing->sortEntries(listing->files);
    return listing;
}

void FolderListing::sortEntries(std::vector<Entry>& entries) const {
    std::sort(entries.begin(), entries.end(),
              [this](Entry a, Entry b) { return compareFolded(nameAt(a), nameAt(b)) < 0; });
}
