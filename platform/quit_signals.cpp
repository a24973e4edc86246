#include "platform/quit_signals.h"

#include <QSocketNotifier>

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (QuitSignalHandlers::wakeFd() < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(QuitSignalHandlers::wakeFd(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        QuitSignalHandlers::clearWake();
        emit quit();
    });
}

// Its meta-object is compiled here, not with every other class's: the command line, which needs
// this class, then links without the window's classes and their libraries.
#include "moc_quit_signals.cpp"  // NOLINT(bugprone-suspicious-include)
