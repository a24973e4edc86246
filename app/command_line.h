#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdio>

// The exit statuses of the program run from a command line, as its manual page lists them.
enum ExitStatus {
    exitDone = 0,          // the index written; one or more matches
    exitNotFound = 1,      // no Poser folder or Wine prefix, or not ready; no match; no display
    exitMisuse = 2,        // the arguments make no sense
    exitIndexFailed = 3,   // the index not written, missing or unreadable
    exitOutputFailed = 4,  // standard output could not be written
};

// What the arguments ask for.
struct CommandLine {
    enum class Command { Window, Update, Lookup, Help, Version, Misuse };

    Command command = Command::Window;
    QString name;            // the name to look up
    bool countOnly = false;  // print only the number of matches
    QString misuse;          // what is wrong with the arguments
};

CommandLine readCommandLine(int argc, char* argv[]);

// Does what the arguments ask for other than the window, and gives the exit status; an
// Update stopped by a signal ends by that signal.
int runCommandLine(const CommandLine& commandLine, int argc, char* argv[]);

// Output on stdout, kept from the first write that fails on: runCommandLine reports it.
void writeOut(QByteArrayView bytes);
// A line on the terminal, in the locale's encoding.
void printLine(FILE* stream, const QString& text);
// "quobbin: " and what went wrong, on stderr; gives the exit status.
int complain(int status, const QString& what);
