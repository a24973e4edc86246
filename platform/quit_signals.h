#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) end the program as its
// close box does. The handler only notes the signal and wakes the event loop through a pipe;
// the work is done there, and a scan that lets no events run asks `received()` at every step.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    static bool received();
    // Ends the program as the signal received would have ended it, so that a shell sees 128 +
    // its number and a service manager a clean stop; gives that status should it not end.
    static int endAsReceived();

signals:
    void quit();

private:
    QSocketNotifier* notifier = nullptr;
};
