#include "core/index/folder_loops.h"

#include <optional>
#include <string>
#include <string_view>

#include "core/folders/folder_listing.h"
#include "system/folder_reading.h"
#include "system/host_paths.h"

namespace {

bool isSameOrAncestor(std::string_view folder, std::string_view of) {
    return of.starts_with(folder) &&
           (of.size() == folder.size() || folder.ends_with(hostSeparator) ||
            of[folder.size()] == hostSeparator);
}

}  // namespace

bool leadsIntoLoop(const FolderListing& holder, std::ptrdiff_t i,
                   std::span<const FolderListing* const> walkPath) {
    if (!holder.isFolderLink(i)) {
        return false;
    }
    const std::string link = holder.folderHostPath(i);
    const std::optional<FolderIdentity> target = folderIdentity(link);
    if (!target) {
        return true;  // gone meanwhile: nothing to enter
    }
    for (const FolderListing* onPath : walkPath) {
        if (onPath->identity() == target) {
            return true;
        }
    }
    const std::optional<std::string> realTarget = realFolderPath(link);
    const std::optional<std::string> realHolder = realFolderPath(holder.hostFolder());
    return !realTarget || !realHolder || isSameOrAncestor(*realTarget, *realHolder);
}
