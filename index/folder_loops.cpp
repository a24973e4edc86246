#include "index/folder_loops.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/folder_listing.h"
#include "system/folder_reading.h"

namespace {

bool isSameOrAncestor(std::string_view folder, std::string_view of) {
    return of.starts_with(folder) &&
           (of.size() == folder.size() || folder.ends_with('/') || of[folder.size()] == '/');
}

}  // namespace

bool leadsIntoLoop(const FolderListing& holder, qsizetype i,
                   std::span<const FolderListing* const> walkPath) {
    if (!holder.isFolderLink(i)) {
        return false;
    }
    const std::string link = holder.folderHostPath(i).toStdString();
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
    const std::optional<std::string> realHolder = realFolderPath(holder.hostFolder().toStdString());
    return !realTarget || !realHolder || isSameOrAncestor(*realTarget, *realHolder);
}
