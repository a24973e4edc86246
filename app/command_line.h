#pragma once

#include <QString>
#include <cstdio>

// The exit statuses of the program run from a command line, as its manual page lists them.
enum ExitStatus {
    exitDone = 0,      // the index written; one or more matches
    exitNotFound = 1,  // no Poser folder set, found or ready; no match; no display for the window
    exitMisuse = 2,    // the arguments make no sense
    exitIndexFailed = 3,  // the index not written, missing or unreadable
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

// Does what the arguments ask for other than the window, and gives the exit status.
int runCommandLine(const CommandLine& commandLine, int argc, char* argv[]);

// A line on the terminal, in the locale's encoding.
void printLine(FILE* stream, const QString& text);
// "quobbin: " and what went wrong, on stderr; gives the exit status.
int complain(int status, const QString& what);
