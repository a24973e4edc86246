#include "system/quit_signals.h"

#include <windows.h>

#include <atomic>

namespace {

// Windows ends a process by no signal, only with a status: the one a request gives is 128 + the
// number of the POSIX signal that means the same, as the manual page lists it on every system,
// and not the STATUS_CONTROL_C_EXIT that Windows gives a process Ctrl+C kills, which would tell
// a script nothing new.
std::atomic<int> quitStatus = 0;

int statusFor(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
            return 128 + 2;  // SIGINT: stopped from the keyboard
        case CTRL_CLOSE_EVENT:
            return 128 + 1;  // SIGHUP: its terminal went away
        default:
            return 128 + 15;  // SIGTERM: a logoff or a shutdown
    }
}

// Called on a thread of its own.
BOOL WINAPI noteRequest(DWORD event) {
    quitStatus = statusFor(event);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        // After a close, a logoff or a shutdown the system ends the process as soon as this
        // returns: held here, it leaves the program the seconds the system allows to stop its
        // work and end on its own.
        Sleep(INFINITE);
    }
    return TRUE;
}

}  // namespace

QuitSignalHandlers::QuitSignalHandlers() {
    SetConsoleCtrlHandler(noteRequest, TRUE);
}

QuitSignalHandlers::~QuitSignalHandlers() {
    SetConsoleCtrlHandler(noteRequest, FALSE);
    quitStatus = 0;
}

bool QuitSignalHandlers::received() {
    return quitStatus != 0;
}

int QuitSignalHandlers::endAsReceived() {
    return quitStatus;
}

int QuitSignalHandlers::wakeFd() {
    return -1;
}

void QuitSignalHandlers::clearWake() {}
