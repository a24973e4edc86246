#include "system/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> quitReceived = 0;  // the signal's number
int wakeFds[2] = {-1, -1};          // made once, kept for the program's life

constexpr int quitSignals[] = {SIGTERM, SIGHUP, SIGINT};

void noteSignal(int signal) {
    quitReceived = signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
}

}  // namespace

QuitSignalHandlers::QuitSignalHandlers() {
    if (wakeFds[0] < 0 && pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : quitSignals) {
        sigaction(signal, &action, nullptr);
    }
}

QuitSignalHandlers::~QuitSignalHandlers() {
    for (int signal : quitSignals) {
        std::signal(signal, SIG_DFL);
    }
    quitReceived = 0;
}

bool QuitSignalHandlers::received() {
    return quitReceived != 0;
}

int QuitSignalHandlers::endAsReceived() {
    const int signal = quitReceived;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return 128 + signal;
}

int QuitSignalHandlers::wakeFd() {
    return wakeFds[0];
}

void QuitSignalHandlers::clearWake() {
    char bytes[16];
    while (wakeFds[0] >= 0 && ::read(wakeFds[0], bytes, sizeof bytes) > 0) {
    }
}
