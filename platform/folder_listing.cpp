#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <string_view>

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

// Windows opens a device rather than a file for a name whose base (up to its first dot,
// trailing blanks dropped) is a device's, whatever follows: CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9, CONIN$, CONOUT$, letter case ignored. Most names differ in their first letter.
bool isDeviceName(QByteArrayView name) {
    static constexpr std::string_view firstLetters = "cpanlCPANL";
    if (name.isEmpty() || firstLetters.find(name.front()) == std::string_view::npos) {
        return false;
    }
    qsizetype length = name.indexOf('.');
    length = length < 0 ? name.size() : length;
    while (length > 0 && name[length - 1] == ' ') {
        --length;
    }
    static constexpr qsizetype longest = 7;
    if (length < 3 || length > longest) {
        return false;
    }
    std::array<char, longest> lowered{};
    for (qsizetype i = 0; i < length; ++i) {
        lowered[size_t(i)] = asciiLower(name[i]);
    }
    const std::string_view base(lowered.data(), size_t(length));
    if (length == 4 && (base.starts_with("com") || base.starts_with("lpt"))) {
        return base[3] >= '1' && base[3] <= '9';
    }
    static constexpr std::string_view devices[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    return std::find(std::begin(devices), std::end(devices), base) != std::end(devices);
}

}  // namespace

bool isListableName(QByteArrayView name) {
    // Control characters and what Windows keeps out of names; bytes beyond ASCII are left to
    // the UTF-8 check.
    static constexpr std::array<bool, 128> refused = [] {
        std::array<bool, 128> table{};
        for (int c = 0; c < 0x20; ++c) {
            table[size_t(c)] = true;
        }
        for (const char c : std::string_view("\\/:*?\"<>|\x7F")) {
            table[static_cast<unsigned char>(c)] = true;
        }
        return table;
    }();
    bool ascii = true;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            ascii = false;
        } else if (refused[byte]) {
            return false;
        }
    }
    // Windows strips a trailing dot or blank, so such a path would name another file.
    return !name.isEmpty() && !name.endsWith('.') && !name.endsWith(' ') &&
           (ascii || isValidUtf8(name)) && !isDeviceName(name);
}

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
        if (name == "." || name == ".." || !isListableName(name)) {
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
