#pragma once

// A logout, a closed terminal or Ctrl+C asks the program to end, as its close box does: on POSIX
// SIGTERM, SIGHUP and SIGINT; on Windows a console's Ctrl+C, Ctrl+Break, close, logoff and
// shutdown. While a QuitSignalHandlers lives, the handlers only note the request; the work is
// done by the program, which asks `received()` at every step or, with an event loop, watches
// `wakeFd()`.
class QuitSignalHandlers {
public:
    QuitSignalHandlers();
    // The system's own handling back, and a request received forgotten.
    ~QuitSignalHandlers();
    QuitSignalHandlers(const QuitSignalHandlers&) = delete;
    QuitSignalHandlers& operator=(const QuitSignalHandlers&) = delete;

    static bool received();
    // Ends the program as the request would have ended it, so that a shell sees 128 + the
    // signal's number and a service manager a clean stop; gives that status should it not end.
    static int endAsReceived();

    // POSIX: a file descriptor that turns readable when a request arrives, for an event loop to
    // watch; clearWake() reads it empty. -1 on Windows, whose handler runs on a thread of its
    // own and needs no waking, and when no pipe could be made.
    static int wakeFd();
    static void clearWake();
};
