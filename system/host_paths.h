#pragma once

#include <string>

// Paths of the host's own file system, in UTF-8.

#ifdef _WIN32
inline constexpr char hostSeparator = '\\';
#else
inline constexpr char hostSeparator = '/';
#endif

// The process's working folder; empty when it cannot be told.
std::string workingFolder();

// Makes the folder, or with its missing parents too; false when it is not there afterwards.
bool makeFolder(const std::string& hostPath);
bool makeFolders(const std::string& hostPath);
