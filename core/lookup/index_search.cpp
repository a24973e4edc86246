#include "core/lookup/index_search.h"

#include "core/lookup/index_lines.h"
#include "core/text/text_lines.h"

IndexSearch openIndexFile(LineReader& index, const std::string& hostPath) {
    switch (index.open(hostPath)) {
        case FileOpen::Missing:
            return IndexSearch::NoIndex;
        case FileOpen::Unreadable:
            return IndexSearch::Unreadable;
        case FileOpen::Opened:
            break;
    }
    return IndexSearch::Searched;
}

IndexSearch searchIndexFile(const std::string& hostPath, const FileNameMatch& wanted,
                            const std::function<void(std::string_view line)>& onMatch) {
    LineReader index;
    if (const IndexSearch opened = openIndexFile(index, hostPath);
        opened != IndexSearch::Searched) {
        return opened;
    }
    std::string_view lines;
    while (index.readLines(lines)) {
        wanted.findIn(lines, [&](std::string_view line) {
            if (isPathText(line)) {
                onMatch(line);
            }
        });
    }
    return IndexSearch::Searched;
}
