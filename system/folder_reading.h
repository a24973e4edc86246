#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// One entry of a folder, links resolved: a link to a folder is a folder, a link to a file a
// file. A dangling link, a FIFO, a socket or a device is neither and is never handed on.
struct FolderEntry {
    std::string_view name;  // UTF-8; valid only during the call that hands it on
    bool isFolder;
    bool isLink;  // a symbolic link (on Windows, a junction or symbolic link)
};

enum class FolderRead { Unopened, Partly, Whole };

// Hands each entry of the folder at `hostPath` (UTF-8) to `receive`, in the system's order,
// never "." or "..", nor on Windows a hidden or system entry. Partly when reading failed
// midway (an I/O error): only some were handed on.
FolderRead readFolderEntries(const std::string& hostPath,
                             const std::function<void(const FolderEntry&)>& receive);

// A folder as the file system knows it: the same folder reached through a link has the same one.
struct FolderIdentity {
    std::uint64_t device = 0;  // on Windows, the volume's serial number
    std::uint64_t file = 0;    // the inode; on Windows, the file index
    bool operator==(const FolderIdentity&) const = default;
};

// Of what stands at `hostPath`, links followed; empty when it cannot be reached.
std::optional<FolderIdentity> folderIdentity(const std::string& hostPath);

// `hostPath` with every link resolved, in the system's own form; empty when it cannot be.
std::optional<std::string> realFolderPath(const std::string& hostPath);
