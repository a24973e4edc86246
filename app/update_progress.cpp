#include "app/update_progress.h"

#include <unistd.h>

#include <QLocale>
#include <cstdio>

namespace {

constexpr qint64 showEveryMs = 100;
// A step takes well under a microsecond: the clock is read only every so many of them.
constexpr unsigned stepsPerClockRead = 256;

}  // namespace

UpdateProgress::UpdateProgress(const LibraryScan& scan, const QElapsedTimer& elapsed)
    : scan(scan), elapsed(elapsed), onTerminal(isatty(STDERR_FILENO)) {}

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
    if (elapsed.elapsed() >= nextShowMs) {
        showCounts();
        nextShowMs = elapsed.elapsed() + showEveryMs;
    }
}

void UpdateProgress::showCounts() {
    const QLocale english(QLocale::English);
    std::fprintf(stderr, "\r%s folders, %s files, %.1f s",
                 qPrintable(english.toString(qint64(scan.foldersRead()))),
                 qPrintable(english.toString(qint64(scan.linesWritten()))),
                 double(elapsed.elapsed()) / 1000);
    lineShown = true;
}

void UpdateProgress::finish() {
    if (lineShown) {
        std::fputs("\r\033[K", stderr);  // back to the line's start, and the line cleared
    }
}
