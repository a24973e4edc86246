#include "cli/update_progress.h"

#include <cstdio>

#include "core/text/number_text.h"
#include "system/standard_streams.h"

namespace {

constexpr std::chrono::milliseconds showEvery(100);
// A step takes well under a microsecond: the clock is read only every so many of them.
constexpr unsigned stepsPerClockRead = 256;

}  // namespace

UpdateProgress::UpdateProgress(const LibraryScan& scan, Clock::time_point started)
    : scan(scan), started(started), onTerminal(isTerminal(stderr)), nextShow(started) {}

void UpdateProgress::step() {
    if (!onTerminal) {
        return;
    }
    if (scan.isWaiting()) {
        if (!waitingTold) {
            std::fputs("Waiting for another Update to finish...\n", stderr);
            waitingTold = true;
        }
        return;
    }
    // The first step reads the clock, so the line shows as soon as the walk starts.
    if (steps++ % stepsPerClockRead != 0) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (now >= nextShow) {
        showCounts(now);
        nextShow = now + showEvery;
    }
}

void UpdateProgress::showCounts(Clock::time_point now) {
    // In whole milliseconds, as the summary counts them.
    const auto taken = std::chrono::duration_cast<std::chrono::milliseconds>(now - started);
    std::fprintf(stderr, "\r%s folders, %s files, %.1f s",
                 groupedThousands(std::int64_t(scan.foldersRead())).c_str(),
                 groupedThousands(std::int64_t(scan.linesWritten())).c_str(),
                 double(taken.count()) / 1000);
    lineShown = true;
}

void UpdateProgress::finish() {
    if (lineShown) {
        std::fputs("\r\033[K", stderr);  // back to the line's start, and the line cleared
    }
}
