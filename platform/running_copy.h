#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

// A second start of the program finds the running copy through a local socket in the user's
// private runtime folder and asks it to bring its window forward, and to check the Poser files
// it was given. The running copy answers only a start in its own Wine prefix: a start in another
// prefix would show the user drives that are not the ones asked for.
class RunningCopy : public QObject {
    Q_OBJECT

public:
    // Listens for later starts in `prefixFolder` and brings `window` forward for each. The
    // copy holding the one-copy lock calls it, so a socket already there was left by a copy
    // that ended, and is removed.
    RunningCopy(QWidget& window, const QString& prefixFolder);

    // Asks the running copy to come forward for a start in `prefixFolder`, and to check the
    // files at these absolute host paths. Never waits much longer than a second: a copy that
    // hangs, or none listening, is no reason to hang too.
    static void askToComeForward(const QString& prefixFolder, const QStringList& files = {});

signals:
    // A later start asked to check these files.
    void filesToCheck(const QStringList& files);

private:
    void answer();

    QWidget& window;
    QByteArray ownPrefix;
    QLocalServer* server;
};
