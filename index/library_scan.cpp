#include "index/library_scan.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <string>

#include "app/data_files.h"
#include "app/form1.h"
#include "platform/letter_case.h"
#include "platform/text_lines.h"

namespace {

using Clock = std::chrono::steady_clock;

// How long pending events may wait while the walk lets them run: less than a frame, so a
// click or a repaint is not held up, yet seldom enough that the event rounds cost the walk
// next to nothing (a round per step would cost more than the step).
constexpr auto yieldInterval = std::chrono::milliseconds(4);

constexpr int lastLevel = 8;

// A row of the level stack: the folder list a level takes its folders from, the folder list
// it points at the chosen folder (the next level's source) and the chosen folder's file list.
struct ScanLevel {
    const FolderList* source;
    FolderList* target;
    FileList* files;
};

bool isLeftOut(QByteArrayView loweredExtension) {
    static const QByteArrayView leftOut[] = {"rsr", "png", "pz3", "gif", "txt", "bvh", "dxf"};
    return std::find(std::begin(leftOut), std::end(leftOut), loweredExtension) != std::end(leftOut);
}

}  // namespace

bool isIndexedExtension(QByteArrayView extension) {
    // The seven are three ASCII letters or digits each, and no letter outside ASCII has one of
    // them as its simple lower case (the Kelvin sign, the only one that lower-cases to ASCII,
    // gives "k"), so only three ASCII bytes can match.
    if (extension.size() != 3) {
        return true;
    }
    const char lowered[3] = {asciiLower(extension[0]), asciiLower(extension[1]),
                             asciiLower(extension[2])};
    return !isLeftOut(QByteArrayView(lowered, 3));
}

// What the walk carries from step to step besides Form1's working values.
struct ScanWalk {
    LineWriter index;
    Clock::time_point nextYield;  // the first step of a walk with "Multi-task" ticked yields
    std::string extension;        // of the last file whose name holds a "."
    bool extensionFound = false;

    // `ans` holds the last extension whenever another handler can look at it; the walk does
    // not build it for every file.
    void publishExtension(QVariant& ans) const {
        if (extensionFound) {
            ans = QString::fromUtf8(extension.data(), qsizetype(extension.size()));
        }
    }
};

void Form1::PrepareScan() {
    Dir1.setPath(PoserDir);
    File1.setPath(Dir1);
    totalfilesA = File1.ListCount();
    totalfoldersA = Dir1.ListCount();
}

void Form1::ScanLibrary() {
    ScanWalk walk;
    const std::optional<ResolvedPath> indexFile = drives.resolve(indexFilePath);
    indexOpened = indexFile && walk.index.open(indexFile->hostPath);
    if (!indexOpened) {
        return;
    }
    scanning = true;
    const ScanLevel levels[lastLevel + 1] = {{},
                                             {&Dir10, &Dir2, &File1},
                                             {&Dir2, &Dir3, &File2},
                                             {&Dir3, &Dir4, &File3},
                                             {&Dir4, &Dir5, &File4},
                                             {&Dir5, &Dir6, &File5},
                                             {&Dir6, &Dir7, &File6},
                                             {&Dir7, &Dir8, &File7},
                                             {&Dir8, &Dir9, &File8}};
    // Should the Poser folder change between the two reads of it, level 1 still never reads
    // past the end of `Dir10`.
    lastfolder[1] = std::min(totalfoldersA, Dir10.ListCount()) - 1;
    folderindex[1] = -1;
    int level = 1;
    while (level > 0) {
        const ScanLevel& at = levels[level];
        if (++folderindex[level] > lastfolder[level]) {
            --level;
            continue;
        }
        if (!LetEventsRun(walk)) {
            break;
        }
        folderpath[level] = at.source->List(folderindex[level]);
        // A folder that cannot be opened is skipped with everything below it: its lists
        // still show the previous folder, whose lines are written already.
        if (!at.target->setPathToSubfolder(*at.source, folderindex[level])) {
            continue;
        }
        at.files->setPath(*at.target);
        if (!ScanFiles(*at.files, walk)) {
            break;
        }
        if (level < lastLevel) {
            ++level;
            lastfolder[level] = levels[level].source->ListCount() - 1;
            folderindex[level] = -1;
        }
    }
    walk.index.close();
    walk.publishExtension(ans);
    scanning = false;
}

// The file step: a line for each file of the folder that the selection rule takes. False
// when the program is ending.
bool Form1::ScanFiles(const FileList& files, ScanWalk& walk) {
    const FolderListing& listing = *files.listing();
    filecount = files.ListCount();
    fullname = listing.drivePathUtf8() + '\\';
    const qsizetype folderLength = fullname.size();
    for (fileindex = 0; fileindex < filecount; ++fileindex) {
        if (!LetEventsRun(walk)) {
            return false;
        }
        const QByteArrayView name = listing.fileName(fileindex);
        filename.resize(0);
        filename.append(name);
        fullname.resize(folderLength);
        fullname.append(name);
        const qsizetype dot = name.lastIndexOf('.');
        if (dot < 0) {
            continue;
        }
        dotpos = folderLength + dot + 1;
        const QByteArrayView extension = name.sliced(dot + 1);
        walk.extension.assign(extension.data(), size_t(extension.size()));
        walk.extensionFound = true;
        if (isIndexedExtension(extension)) {
            walk.index.writeLine(fullname);
        }
    }
    return true;
}

// While "Multi-task" is ticked, pending events run at most every few milliseconds. The box is
// read afresh at every step. False when the program is ending.
bool Form1::LetEventsRun(ScanWalk& walk) {
    if (!Check1->isChecked()) {
        return true;
    }
    const Clock::time_point now = Clock::now();
    if (now < walk.nextYield) {
        return true;
    }
    walk.index.flush();  // a look-up meanwhile sees every whole line found so far
    walk.publishExtension(ans);
    QCoreApplication::processEvents();
    walk.nextYield = now + yieldInterval;
    return !ending;
}
