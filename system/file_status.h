#pragma once

#include <cstdint>
#include <string>

// What stands at a host path, links followed. A link that leads nowhere is Other: it is there,
// yet neither a folder nor a file.
enum class PathKind { Missing, Folder, File, Other };

PathKind pathKind(const std::string& hostPath);

// The size of the file at `hostPath`, links followed; 0 when there is none.
std::uint64_t fileSize(const std::string& hostPath);

// Whether this user may make and remove files in the folder at `hostPath`.
bool canWriteIn(const std::string& folderHostPath);
