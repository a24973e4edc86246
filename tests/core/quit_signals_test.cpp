#include "system/quit_signals.h"

#include <doctest.h>

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace {

// Should the handlers under test not be in place, Ctrl+C is ignored, not the test program ended.
#ifdef _WIN32
BOOL WINAPI ignore(DWORD) {
    return TRUE;
}

void ignoreUnhandledCtrlC() {
    SetConsoleCtrlHandler(ignore, TRUE);
}

// A console sends it to every process on it: this one is given a console of its own.
void pressCtrlC() {
    FreeConsole();
    AllocConsole();
    GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
}
#else
void ignoreUnhandledCtrlC() {
    std::signal(SIGINT, SIG_IGN);
}

void pressCtrlC() {
    std::raise(SIGINT);
}
#endif

}  // namespace

TEST_CASE("Ctrl+C is noted while the handlers are in place, and forgotten after") {
    ignoreUnhandledCtrlC();
    {
        const QuitSignalHandlers handlers;
        CHECK(!QuitSignalHandlers::received());
        pressCtrlC();
        // Windows calls the handler on a thread of its own.
        for (int tries = 0; tries < 500 && !QuitSignalHandlers::received(); ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        CHECK(QuitSignalHandlers::received());
#ifdef _WIN32
        CHECK(QuitSignalHandlers::endAsReceived() == 128 + 2);  // POSIX ends by the signal
#endif
    }
    CHECK(!QuitSignalHandlers::received());
}
