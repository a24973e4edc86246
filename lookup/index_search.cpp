#include "lookup/index_search.h"

#include <QFile>

#include "platform/data_files.h"

IndexSearch searchIndex(const WineDrives& drives, const FileNameMatch& wanted,
                        const std::function<void(QByteArrayView line)>& onMatch) {
    const std::optional<ResolvedPath> indexFile = drives.resolve(indexFilePath);
    if (!indexFile) {
        return IndexSearch::NoIndex;
    }
    return searchIndexFile(QFile::encodeName(indexFile->hostPath).toStdString(), wanted,
                           [&](std::string_view line) { onMatch(QByteArrayView(line)); });
}
