#include "lookup/index_search.h"

#include <algorithm>

#include "platform/data_files.h"
#include "platform/letter_case.h"
#include "platform/text_lines.h"

bool isPathText(QByteArrayView line) {
    return std::none_of(line.begin(), line.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }) &&
           isValidUtf8(line);
}

IndexSearch searchIndex(const WineDrives& drives, const FileNameMatch& wanted,
                        const std::function<void(QByteArrayView line)>& onMatch) {
    const std::optional<ResolvedPath> indexFile = drives.resolve(indexFilePath);
    LineReader index;
    switch (indexFile ? index.open(indexFile->hostPath) : FileOpen::Missing) {
        case FileOpen::Missing:
            return IndexSearch::NoIndex;
        case FileOpen::Unreadable:
            return IndexSearch::Unreadable;
        case FileOpen::Opened:
            break;
    }
    QByteArrayView lines;
    while (index.readLines(lines)) {
        wanted.findIn(lines, [&](QByteArrayView line) {
            if (isPathText(line)) {
                onMatch(line);
            }
        });
    }
    return IndexSearch::Searched;
}
