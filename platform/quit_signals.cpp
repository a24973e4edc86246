#include "platform/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <csignal>

namespace {

std::atomic<int> quitReceived = 0;  // the signal's number
int wakeFds[2] = {-1, -1};

constexpr int quitSignals[] = {SIGTERM, SIGHUP, SIGINT};

void noteSignal(int signal) {
    quitReceived = signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (wakeFds[0] < 0 && pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
        }
        emit quit();
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : quitSignals) {
        sigaction(signal, &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    for (int signal : quitSignals) {
        std::signal(signal, SIG_DFL);
    }
    quitReceived = 0;
}

bool QuitSignals::received() {
    return quitReceived != 0;
}

int QuitSignals::endAsReceived() {
    const int signal = quitReceived;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return 128 + signal;
}

// Its meta-object is compiled here, not with every other class's: the command line, which needs
// this class, then links without the window's classes and their libraries.
#include "moc_quit_signals.cpp"  // NOLINT(bugprone-suspicious-include)
