#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/lookup/file_name_match.h"
#include "core/text/text_lines.h"

enum class IndexSearch { Searched, NoIndex, Unreadable };

// Opens the index file at `hostPath` to be read in lines: Searched when it opened.
IndexSearch openIndexFile(LineReader& index, const std::string& hostPath);

// Reads the index file at `hostPath` from its first line to its last and hands each line whose
// file name is the wanted one to `onMatch`, in index order. Only lines that can be a path are
// handed on.
IndexSearch searchIndexFile(const std::string& hostPath, const FileNameMatch& wanted,
                            const std::function<void(std::string_view line)>& onMatch);
