#pragma once

#include <string>

#include "core/drives/drives.h"
#include "core/index/library_scan.h"

enum class UpdateOutcome {
    Written,        // the index holds the library
    NotSet,         // no Poser folder is set: nothing was read or written
    FolderMissing,  // the Poser folder cannot be opened: the index is as it was
    NotWritten,     // the index could not be written; the previous one is as it was
    NotReady,       // the Poser folder's drive seems away: the index is as it was
    Stopped,        // the program is ending: the index is as it was
};

// An Update, as the window and the command line make it: the Poser folder read once, as the
// scan's first level, then the scan prepared and the library walked into the index.
UpdateOutcome updateIndex(LibraryScan& scan, const std::string& poserDir,
                          const BetweenSteps& betweenSteps);

// What stood in the way of writing the index, looked for afresh, for a message.
std::string whyIndexNotWritten(const Drives& drives);
