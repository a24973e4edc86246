#include "core/folders/folder_listing.h"

#include <algorithm>

#include "core/text/file_names.h"
#include "core/text/letter_case.h"
#include "system/host_paths.h"

namespace {

// A folder's path and a name in it, one separator between them (a root ends in one already).
std::string joined(const std::string& folder, char separator, std::string_view name) {
    std::string path = folder;
    if (!path.ends_with(separator)) {
        path += separator;
    }
    return path.append(name);
}

}  // namespace

std::shared_ptr<const FolderListing> FolderListing::read(const Drives& drives,
                                                         std::string_view drivePath) {
    std::optional<ResolvedPath> resolved = drives.resolve(drivePath);
    if (!resolved) {
        return nullptr;
    }
    return readHost(std::move(resolved->hostPath), std::move(resolved->drivePath));
}

std::shared_ptr<const FolderListing> FolderListing::readFolder(std::ptrdiff_t i) const {
    return readHost(folderHostPath(i), joined(path, '\\', folderName(i)));
}

std::optional<FolderIdentity> FolderListing::identity() const {
    return folderIdentity(hostPath);
}

std::string FolderListing::folderHostPath(std::ptrdiff_t i) const {
    return joined(hostPath, hostSeparator, folderName(i));
}

std::shared_ptr<const FolderListing> FolderListing::readHost(std::string hostPath,
                                                             std::string drivePath) {
    auto listing = std::make_shared<FolderListing>();
    const FolderRead read = readFolderEntries(hostPath, [&](const FolderEntry& entry) {
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
    listing->hostPath = std::move(hostPath);
    listing->path = std::move(drivePath);
    listing->whole = read == FolderRead::Whole;
    listing->sortEntries(listing->folders);
    listing->sortEntries(listing->files);
    return listing;
}

void FolderListing::sortEntries(std::vector<Entry>& entries) const {
    std::sort(entries.begin(), entries.end(),
              [this](Entry a, Entry b) { return compareFolded(nameAt(a), nameAt(b)) < 0; });
}
