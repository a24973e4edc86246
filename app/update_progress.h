#pragma once

#include <QElapsedTimer>

#include "core/index/library_scan.h"

// What an Update from a terminal shows while it runs: one line on standard error, rewritten in
// place a few times a second, with the folders and files so far and the time taken; and once,
// when it has to wait for another Update to finish, a line saying so. Off a terminal (a pipe,
// a log, a timer) it shows nothing.
class UpdateProgress {
public:
    UpdateProgress(const LibraryScan& scan, const QElapsedTimer& elapsed);

    // Called at every step of the walk; shows something only now and then.
    void step();
    // Takes the progress line away, before the summary takes its place.
    void finish();

private:
    void showCounts();

    const LibraryScan& scan;
    const QElapsedTimer& elapsed;
    const bool onTerminal;
    unsigned steps = 0;
    qint64 nextShowMs = 0;
    bool lineShown = false;
    bool waitingTold = false;
};
