#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <memory>

#include "system/folder_reading.h"

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
// type unknown need one. Only regular files are files: a FIFO, a socket or a device node is no
// content and could hang a reader.
EntryKind kindOf(int folderFd, const dirent64& entry) {
    struct stat info {};
    switch (entry.d_type) {
        case DT_DIR:
            return {Kind::Folder, false};
        case DT_REG:
            return {Kind::File, false};
        case DT_UNKNOWN:
            if (fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                return {Kind::Neither, false};
            }
            if (!S_ISLNK(info.st_mode)) {
                return {kindOfMode(info.st_mode), false};
            }
            [[fallthrough]];
        case DT_LNK:
            if (fstatat(folderFd, entry.d_name, &info, 0) != 0) {
                return {Kind::Neither, true};
            }
            return {kindOfMode(info.st_mode), true};
        default:
            return {Kind::Neither, false};
    }
}

void handOn(int folderFd, const dirent64& entry,
            const std::function<void(const FolderEntry&)>& receive) {
    const std::string_view name(entry.d_name);
    if (name == "." || name == "..") {
        return;
    }
    const EntryKind kind = kindOf(folderFd, entry);
    if (kind.kind != Kind::Neither) {
        receive({name, kind.kind == Kind::Folder, kind.link});
    }
}

}  // namespace

// getdents64 rather than opendir, which would stat the folder and allocate a buffer for each of
// a library's ten thousand folders. A read that fails ends the listing.
FolderRead readFolderEntries(const std::string& hostPath,
                             const std::function<void(const FolderEntry&)>& receive) {
    // Non-blocking, as a FIFO put in a folder's place must not hang the open.
    const int fd = open(hostPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return FolderRead::Unopened;
    }
    alignas(dirent64) std::array<char, std::size_t{32} * 1024> buffer;
    ssize_t got = 0;
    while ((got = getdents64(fd, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
            handOn(fd, *entry, receive);
            at += entry->d_reclen;
        }
    }
    close(fd);
    return got == 0 ? FolderRead::Whole : FolderRead::Partly;
}

std::optional<FolderIdentity> folderIdentity(const std::string& hostPath) {
    struct stat info {};
    if (stat(hostPath.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FolderIdentity{std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)};
}

std::optional<std::string> realFolderPath(const std::string& hostPath) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(hostPath.c_str(), nullptr),
                                                           &std::free);
    if (!real) {
        return std::nullopt;
    }
    return std::string(real.get());
}
