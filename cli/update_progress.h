#pragma once

#include <chrono>

#include "core/index/library_scan.h"

// What an Update from a terminal shows while it runs: one line on standard error, rewritten in
// place a few times a second, with the folders and files so far and the time taken; and once,
// when it has to wait for another Update to finish, a line saying so. Off a terminal (a pipe,
// a log, a timer) it shows nothing.
class UpdateProgress {
public:
    using Clock = std::chrono::steady_clock;

    // The time taken is counted from `started`.
    UpdateProgress(const LibraryScan& scan, Clock::time_point started);

    // Called at every step of the walk; shows something only now and then.
    void step();
    // Takes the progress line away, before the summary takes its place.
    void finish();

private:
    void showCounts(Clock::time_point now);

    const LibraryScan& scan;
    const Clock::time_point started;
    const bool onTerminal;
    unsigned steps = 0;
    Clock::time_point nextShow;
    bool lineShown = false;
    bool waitingTold = false;
};
