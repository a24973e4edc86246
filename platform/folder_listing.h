#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "system/folder_reading.h"

// One read of a folder: its subfolders and its files, each in list order. A folder list and
// a file list pointed at the same folder share one of these instead of reading it twice.
class FolderListing {
public:
    // Empty when the path is no drive path or the folder cannot be opened.
    static std::shared_ptr<const FolderListing> read(const WineDrives& drives,
                                                     const QString& drivePath);

    // The i-th subfolder, opened as this read found it: its drive path is not resolved again,
    // so no other folder whose name differs only in letter case takes its place. Empty when
    // it cannot be opened (it has vanished meanwhile).
    std::shared_ptr<const FolderListing> readFolder(qsizetype i) const;

    // The host path of the i-th subfolder, as this read reached it (through links, perhaps).
    QByteArray folderHostPath(qsizetype i) const;
    // Whether the i-th subfolder is a symbolic link to a folder.
    bool isFolderLink(qsizetype i) const { return folders[size_t(i)].link; }
    // Looked up when asked, which only a link to a folder makes the walk do: a stat of every
    // folder read would cost the scan more than all its links. Empty when it cannot be reached.
    std::optional<FolderIdentity> identity() const;

    const QByteArray& hostFolder() const { return hostPath; }
    const QString& drivePath() const { return path; }
    const QByteArray& drivePathUtf8() const { return pathUtf8; }

    // False when reading the entries failed midway (an I/O error): the lists hold only some.
    bool readWhole() const { return whole; }

    qsizetype folderCount() const { return qsizetype(folders.size()); }
    qsizetype fileCount() const { return qsizetype(files.size()); }
    QByteArrayView folderName(qsizetype i) const { return nameAt(folders[size_t(i)]); }
    QByteArrayView fileName(qsizetype i) const { return nameAt(files[size_t(i)]); }

private:
    struct Entry {
        std::uint32_t offset;
        std::uint16_t length;  // a name has at most 255 bytes
        bool link;
    };

    static std::shared_ptr<const FolderListing> readHost(const QByteArray& hostPath,
                                                         const QByteArray& drivePathUtf8);
    QByteArrayView nameAt(Entry e) const { return {names.data() + e.offset, e.length}; }
    void sortEntries(std::vector<Entry>& entries) const;

    QByteArray hostPath;
    QString path;
    QByteArray pathUtf8;
    std::string names;  // every name, back to back: one allocation for the whole folder
    std::vector<Entry> folders;
    std::vector<Entry> files;
    bool whole = true;
};
