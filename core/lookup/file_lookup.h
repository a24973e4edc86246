#pragma once

#include <functional>
#include <string_view>

#include "core/drives/drives.h"
#include "core/lookup/index_search.h"

// A look-up as the user asks for it: `name` as typed (a "." anywhere in it asks for the whole
// file name), letter case ignored. Every path of the index c:\ol\oz whose file name matches is
// handed to `onMatch` lower-cased, in index order; the view lasts until the next one.
IndexSearch lookUpFile(const Drives& drives, std::string_view name,
                       const std::function<void(std::string_view path)>& onMatch);
// The same for a name already taken apart into what is compared and how.
IndexSearch lookUpFile(const Drives& drives, const FileNameMatch& wanted,
                       const std::function<void(std::string_view path)>& onMatch);
