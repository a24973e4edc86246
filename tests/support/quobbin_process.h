#pragma once

#include <QProcess>
#include <QStringList>

// The built program, run as a shell runs it: no display unless leading NAME=value arguments
// set one. On a pseudo-terminal (`terminal`) its output and errors both come out as output.
QProcess* startQuobbin(QProcess& program, QStringList arguments, bool terminal = false);

struct QuobbinRun {
    int status;
    QString out;
    QString err;
};
QuobbinRun runQuobbin(const QStringList& arguments);
