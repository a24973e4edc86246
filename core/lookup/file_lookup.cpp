#include "core/lookup/file_lookup.h"

#include <string>

#include "core/drives/data_files.h"
#include "core/text/letter_case.h"

IndexSearch lookUpFile(const Drives& drives, std::string_view name,
                       const std::function<void(std::string_view path)>& onMatch) {
    std::string lookname;
    appendLowerCaseUtf8(lookname, name);
    return lookUpFile(drives, FileNameMatch(std::move(lookname), compareModeFor(name)), onMatch);
}

IndexSearch lookUpFile(const Drives& drives, const FileNameMatch& wanted,
                       const std::function<void(std::string_view path)>& onMatch) {
    const std::optional<ResolvedPath> indexFile = drives.resolve(indexFilePath);
    if (!indexFile) {
        return IndexSearch::NoIndex;
    }
    std::string path;
    return searchIndexFile(indexFile->hostPath, wanted, [&](std::string_view line) {
        path.clear();
        appendLowerCaseUtf8(path, line);
        onMatch(path);
    });
}
