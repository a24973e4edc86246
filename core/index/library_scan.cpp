#include "core/index/library_scan.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "core/drives/data_files.h"
#include "core/index/folder_loops.h"
#include "core/index/read_ahead.h"
#include "system/file_status.h"

namespace {

// At most this many folders read ahead wait for the walk: a megabyte or so.
constexpr int readAheadWindow = 256;

// How long a scan waits before it asks again whether another Update has ended.
constexpr auto busyRetry = std::chrono::milliseconds(20);

}  // namespace

LibraryScan::LibraryScan(const Drives& drives, int readAheadThreads)
    : Dir10(drives),
      drives(drives),
      Dir1(drives),
      Dir2(drives),
      Dir3(drives),
      Dir4(drives),
      Dir5(drives),
      Dir6(drives),
      Dir7(drives),
      Dir8(drives),
      Dir9(drives),
      File1(drives),
      File2(drives),
      File3(drives),
      File4(drives),
      File5(drives),
      File6(drives),
      File7(drives),
      File8(drives),
      levels{{},
             {&Dir10, &Dir2, &File1},
             {&Dir2, &Dir3, &File2},
             {&Dir3, &Dir4, &File3},
             {&Dir4, &Dir5, &File4},
             {&Dir5, &Dir6, &File5},
             {&Dir6, &Dir7, &File6},
             {&Dir7, &Dir8, &File7},
             {&Dir8, &Dir9, &File8}},
      readAheadThreads(readAheadThreads) {}

void LibraryScan::PrepareScan(const std::string& poserDir) {
    Dir1.setPath(poserDir);
    totalfoldersA = Dir1.ListCount();
}

ScanOutcome LibraryScan::ScanLibrary(const BetweenSteps& betweenSteps) {
    folderCount = lineCount = 0;
    extensionFound = false;
    const FileReplacement::Start opened = openIndex(betweenSteps);
    if (opened != FileReplacement::Start::Started) {
        return opened == FileReplacement::Start::Busy ? ScanOutcome::Stopped
                                                      : ScanOutcome::NotWritten;
    }
    if (!isPoserFolderReady()) {
        index.abandon();
        return ScanOutcome::NotReady;
    }
    if (!walk(betweenSteps)) {
        index.abandon();
        return ScanOutcome::Stopped;
    }
    return index.commit() ? ScanOutcome::Written : ScanOutcome::NotWritten;
}

// Busy only when the program ends while another Update is still writing the index.
FileReplacement::Start LibraryScan::openIndex(const BetweenSteps& betweenSteps) {
    const std::optional<ResolvedPath> indexFile = drives.resolve(indexFilePath);
    if (!indexFile) {
        return FileReplacement::Start::Failed;
    }
    indexHostPath = indexFile->hostPath;
    FileReplacement::Start started;
    while ((started = index.start(indexHostPath, FileReplacement::Writers::OneAtATime,
                                  FileReplacement::Over::RegularFileOnly)) ==
           FileReplacement::Start::Busy) {
        waiting = true;
        if (!betweenSteps()) {
            break;
        }
        std::this_thread::sleep_for(busyRetry);
    }
    waiting = false;
    return started;
}

// A Poser folder that lists as empty while the index holds lines most likely lies on a drive
// that is not there (an empty mount point, a share gone stale): writing its index would lose
// the user's. One whose entries could not be read whole would give a partial index. Asked while
// the index is locked, so that no other Update changes it meanwhile.
bool LibraryScan::isPoserFolderReady() const {
    const FolderListing* poserFolder = Dir10.listing().get();
    if (poserFolder && !poserFolder->readWhole()) {
        return false;
    }
    const bool listsNothing =
        !poserFolder || (poserFolder->folderCount() == 0 && poserFolder->fileCount() == 0);
    return !listsNothing || fileSize(indexHostPath) == 0;
}

// False when the program is ending.
bool LibraryScan::walk(const BetweenSteps& betweenSteps) {
    // Should the Poser folder change between the two reads of it, level 1 still never reads
    // past the end of `Dir10`.
    lastfolder[1] = std::min(totalfoldersA, Dir10.ListCount()) - 1;
    folderindex[1] = -1;
    std::optional<ReadAhead> readAhead;
    if (readAheadThreads > 0 && Dir10.listing()) {
        readAhead.emplace(readAheadThreads, readAheadWindow, Dir10.listing());
    }
    int level = 1;
    while (level > 0) {
        const Level& at = levels[level];
        if (++folderindex[level] > lastfolder[level]) {
            --level;
            continue;
        }
        if (!betweenSteps()) {
            return false;
        }
        // A folder that cannot be opened is skipped with everything below it: its lists
        // still show the previous folder, whose lines are written already.
        if (!enterFolder(level, readAhead ? &*readAhead : nullptr)) {
            continue;
        }
        ++folderCount;
        at.files->setPath(*at.target);
        if (!ScanFiles(*at.files, betweenSteps)) {
            return false;
        }
        if (index.failed()) {
            return true;  // walking on would be in vain: the index will not be written
        }
        if (level < lastLevel) {
            ++level;
            lastfolder[level] = levels[level].source->ListCount() - 1;
            folderindex[level] = -1;
        }
    }
    return true;
}

// Points the level's folder list at its current entry. A link is read here, unless it leads
// into a loop; other folders come from the read-ahead when there is one. False when the folder
// cannot be entered.
bool LibraryScan::enterFolder(int level, ReadAhead* readAhead) {
    const Level& at = levels[level];
    const std::ptrdiff_t i = folderindex[level];
    if (readAhead && !at.source->listing()->isFolderLink(i)) {
        return at.target->show(readAhead->enter(level, i));
    }
    if (leadsIntoLoop(level) || !at.target->setPathToSubfolder(*at.source, i)) {
        return false;
    }
    if (readAhead) {
        readAhead->entered(level, i, at.target->listing());
    }
    return true;
}

bool LibraryScan::leadsIntoLoop(int level) const {
    const FolderListing& holder = *levels[level].source->listing();
    if (!holder.isFolderLink(folderindex[level])) {
        return false;
    }
    const FolderListing* walkPath[lastLevel];
    for (int from = 1; from <= level; ++from) {
        walkPath[from - 1] = levels[from].source->listing().get();
    }
    return ::leadsIntoLoop(holder, folderindex[level], std::span(walkPath, size_t(level)));
}

// The file step: a line for each file of the folder that the selection rule takes. False
// when the program is ending.
bool LibraryScan::ScanFiles(const FileList& files, const BetweenSteps& betweenSteps) {
    const FolderListing& listing = *files.listing();
    filecount = files.ListCount();
    fullname = listing.drivePath() + '\\';
    const std::size_t folderLength = fullname.size();
    thumbnails.setFolder(listing);
    for (fileindex = 0; fileindex < filecount; ++fileindex) {
        if (!betweenSteps()) {
            return false;
        }
        const std::string_view name = listing.fileName(fileindex);
        fullname.resize(folderLength);
        fullname.append(name);
        const std::size_t dot = name.rfind('.');
        if (dot == std::string_view::npos) {
            continue;
        }
        if (selects(name, dot)) {
            index.writeLine(fullname);
            ++lineCount;
        }
    }
    return true;
}

// Whether the file of this name, whose last "." is at `dot`, gets a line.
bool LibraryScan::selects(std::string_view name, std::size_t dot) {
    const std::string_view fileExtension = name.substr(dot + 1);
    extension.assign(fileExtension);
    extensionFound = true;
    switch (ruleOfExtension(fileExtension)) {
        case ExtensionRule::Indexed:
            return true;
        case ExtensionRule::LeftOut:
            return false;
        case ExtensionRule::Png:
            return !thumbnails.isThumbnail(name.substr(0, dot));
    }
    return false;
}

std::string LibraryScan::lastExtension() const {
    return extensionFound ? extension : std::string();
}
