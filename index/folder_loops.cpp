#include "index/folder_loops.h"

#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/folder_listing.h"

namespace {

using RealPath = std::unique_ptr<char, decltype(&std::free)>;

RealPath realPathOf(const char* path) {
    return {::realpath(path, nullptr), &std::free};
}

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
    const QByteArray link = holder.folderHostPath(i);
    struct stat target {};
    if (stat(link.constData(), &target) != 0) {
        return true;  // gone meanwhile: nothing to enter
    }
    for (const FolderListing* onPath : walkPath) {
        if (onPath->identity() == FolderIdentity{target.st_dev, target.st_ino}) {
            return true;
        }
    }
    const RealPath realTarget = realPathOf(link.constData());
    const RealPath realHolder = realPathOf(holder.hostFolder().constData());
    return !realTarget || !realHolder || isSameOrAncestor(realTarget.get(), realHolder.get());
}
