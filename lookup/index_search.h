#pragma once

#include <QByteArrayView>
#include <functional>

#include "core/lookup/index_search.h"
#include "platform/drives.h"

// Reads the index c:\ol\oz of these drives from its first line to its last and hands each line
// whose file name is the wanted one to `onMatch`, in index order. Only lines that can be a
// path are handed on.
IndexSearch searchIndex(const WineDrives& drives, const FileNameMatch& wanted,
                        const std::function<void(QByteArrayView line)>& onMatch);
