#pragma once

#include <QByteArrayView>
#include <functional>

#include "lookup/file_name_match.h"
#include "platform/drives.h"

// Whether an index line can be a path: no NUL or other control character, valid UTF-8.
bool isPathText(QByteArrayView line);

enum class IndexSearch { Searched, NoIndex, Unreadable };

// Reads the index c:\ol\oz from its first line to its last and hands each line whose file
// name is the wanted one to `onMatch`, in index order. Only lines that can be a path are
// handed on.
IndexSearch searchIndex(const WineDrives& drives, const FileNameMatch& wanted,
                        const std::function<void(QByteArrayView line)>& onMatch);
