#pragma once

#include <QObject>

#include "system/quit_signals.h"

// The seam's quit handlers for a program with an event loop: a request to end (a logout, a
// closed terminal, Ctrl+C) wakes the loop, which emits quit(), and the program ends there as its
// close box does. A scan that lets no events run asks `received()` at every step.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);

    static bool received() { return QuitSignalHandlers::received(); }
    static int endAsReceived() { return QuitSignalHandlers::endAsReceived(); }

signals:
    void quit();

private:
    QuitSignalHandlers handlers;
};
