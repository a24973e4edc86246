#pragma once

#include <cstddef>
#include <span>

class FolderListing;

// Whether entering the i-th subfolder of `holder` walks into a loop: it is a link to the
// holder itself or to one of its ancestors on the host, or to a folder on the walk's current
// path (`walkPath`, from the Poser folder down to the holder). Such links are not entered; a
// loop would otherwise fill the index with the same files over and over, and a link to "/"
// would index the whole host.
bool leadsIntoLoop(const FolderListing& holder, std::ptrdiff_t i,
                   std::span<const FolderListing* const> walkPath);
