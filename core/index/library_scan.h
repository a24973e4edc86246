#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/drives/drives.h"
#include "core/folders/folder_lists.h"
#include "core/index/file_selection.h"
#include "core/index/scan_depth.h"
#include "system/file_replacement.h"

class ReadAhead;

enum class ScanOutcome {
    Written,     // the index holds the library
    NotWritten,  // the index could not be written; the previous one is as it was
    Stopped,     // the program is ending; the previous index is as it was
    NotReady,    // the Poser folder's drive seems away (isPoserFolderReady); the index is kept
};

// Runs between the walk's steps, at every folder and every file: lets pending events run when
// the user wants that, and answers whether the walk may go on (false: the program is ending).
using BetweenSteps = std::function<bool()>;

// The library scan: walks the Poser folder down to eight levels through a stack of folder and
// file lists, one pair per level, and writes the index, a line for every content file (as
// file_selection.h selects them). The index is published whole when the walk ends; until then
// look-ups read the previous one.
class LibraryScan {
public:
    // Folders are read ahead of the walk on up to this many threads; none reads each on the
    // walk's. On a cold virtual disk 16 kept it busiest: 8 left it idle, 32 fought over 2 cores.
    explicit LibraryScan(const Drives& drives, int readAheadThreads = 16);
    LibraryScan(const LibraryScan&) = delete;
    LibraryScan& operator=(const LibraryScan&) = delete;

    // The source of level 1: Update points it at the Poser folder before the scan.
    FolderList Dir10;

    // Points the root list at the Poser folder and counts its subfolders.
    void PrepareScan(const std::string& poserDir);
    // The walk; `Dir10` shows the Poser folder and PrepareScan has run. When another Update is
    // writing the index, it waits for that one to end first, between steps. It writes nothing
    // when the Poser folder is not ready.
    ScanOutcome ScanLibrary(const BetweenSteps& betweenSteps);

    // While waiting for another Update to end.
    bool isWaiting() const { return waiting; }
    std::ptrdiff_t foldersRead() const { return folderCount; }
    std::ptrdiff_t linesWritten() const { return lineCount; }
    // The extension of the last file whose name holds a ".", as listed; empty before one.
    std::string lastExtension() const;

private:
    static constexpr int lastLevel = deepestLevel;

    // A row of the level stack: the folder list a level takes its folders from, the folder
    // list it points at the chosen folder (the next level's source) and that folder's files.
    struct Level {
        const FolderList* source;
        FolderList* target;
        FileList* files;
    };

    FileReplacement::Start openIndex(const BetweenSteps& betweenSteps);
    bool isPoserFolderReady() const;
    bool walk(const BetweenSteps& betweenSteps);
    bool enterFolder(int level, ReadAhead* readAhead);
    bool leadsIntoLoop(int level) const;
    bool ScanFiles(const FileList& files, const BetweenSteps& betweenSteps);
    bool selects(std::string_view name, std::size_t dot);

    Drives drives;
    FolderList Dir1, Dir2, Dir3, Dir4, Dir5, Dir6, Dir7, Dir8, Dir9;
    FileList File1, File2, File3, File4, File5, File6, File7, File8;
    const Level levels[lastLevel + 1];  // levels 1 to 8
    const int readAheadThreads;
    std::string indexHostPath;
    FileReplacement index;
    Thumbnails thumbnails;  // of the folder whose files are scanned

    // The walk's working values, kept after it ends as the behaviour names them: the Poser
    // folder's subfolder count (level 1's bound), each level's current entry and last entry,
    // the file list in use, its current entry, and the line that file may get.
    std::ptrdiff_t totalfoldersA = 0;
    std::ptrdiff_t folderindex[lastLevel + 1] = {};  // levels 1 to 8
    std::ptrdiff_t lastfolder[lastLevel + 1] = {};
    std::ptrdiff_t filecount = 0;
    std::ptrdiff_t fileindex = 0;
    std::string fullname;  // UTF-8, as the lists give names and the index holds them
    std::string extension;
    bool extensionFound = false;

    bool waiting = false;
    std::ptrdiff_t folderCount = 0;
    std::ptrdiff_t lineCount = 0;
};
