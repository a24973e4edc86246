#pragma once

#include <string>

enum class PathKind { Missing, Folder, File, Other };

// What `hostPath` (UTF-8) names, links followed: a link to nothing, or a path that cannot be
// looked at, is Missing; a device or a FIFO is Other.
PathKind pathKind(const std::string& hostPath);
