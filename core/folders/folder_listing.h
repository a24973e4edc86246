#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drives/drives.h"
#include "system/folder_reading.h"

// One read of a folder: its subfolders and its files, each in list order. A folder list and
// a file list pointed at the same folder share one of these instead of reading it twice.
class FolderListing {
public:
    // Empty when the path is no drive path or the folder cannot be opened.
    static std::shared_ptr<const FolderListing> read(const Drives& drives,
                                                     std::string_view drivePath);

    // The i-th subfolder, opened as this read found it: its drive path is not resolved again,
    // so no other folder whose name differs only in letter case takes its place. Empty when
    // it cannot be opened (it has vanished meanwhile).
    std::shared_ptr<const FolderListing> readFolder(std::ptrdiff_t i) const;

    // The host path of the i-th subfolder, as this read reached it (through links, perhaps).
    std::string folderHostPath(std::ptrdiff_t i) const;
    // Whether the i-th subfolder is a link to a folder.
    bool isFolderLink(std::ptrdiff_t i) const { return folders[std::size_t(i)].link; }
    // Looked up when asked, which only a link to a folder makes the walk do: a stat of every
    // folder read would cost the scan more than all its links. Empty when it cannot be reached.
    std::optional<FolderIdentity> identity() const;

    const std::string& hostFolder() const { return hostPath; }
    const std::string& drivePath() const { return path; }

    // False when reading the entries failed midway (an I/O error): the lists hold only some.
    bool readWhole() const { return whole; }

    std::ptrdiff_t folderCount() const { return std::ptrdiff_t(folders.size()); }
    std::ptrdiff_t fileCount() const { return std::ptrdiff_t(files.size()); }
    std::string_view folderName(std::ptrdiff_t i) const { return nameAt(folders[std::size_t(i)]); }
    std::string_view fileName(std::ptrdiff_t i) const { return nameAt(files[std::size_t(i)]); }

private:
    struct Entry {
        std::uint32_t offset;
        std::uint16_t length;  // a name has at most 255 bytes
        bool link;
    };

    static std::shared_ptr<const FolderListing> readHost(std::string hostPath,
                                                         std::string drivePath);
    std::string_view nameAt(Entry e) const { return {names.data() + e.offset, e.length}; }
    void sortEntries(std::vector<Entry>& entries) const;

    std::string hostPath;
    std::string path;   // the drive path, UTF-8
    std::string names;  // every name, back to back: one allocation for the whole folder
    std::vector<Entry> folders;
    std::vector<Entry> files;
    bool whole = true;
};
