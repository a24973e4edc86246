#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/lookup/index_search.h"

// The exit statuses of the program run from a command line, as its manual page lists them.
enum ExitStatus {
    exitDone = 0,          // the index written; one or more matches
    exitNotFound = 1,      // no Poser folder or Wine prefix, or not ready; no match; no display
    exitMisuse = 2,        // the arguments make no sense
    exitIndexFailed = 3,   // the index not written, missing or unreadable
    exitOutputFailed = 4,  // standard output could not be written
};

// What the arguments ask for. Texts here and below are in UTF-8.
struct CommandLine {
    enum class Command { Window, Update, Lookup, Check, Help, Version, Misuse };

    Command command = Command::Window;
    std::string name;                // the name to look up
    bool countOnly = false;          // print only the number of matches
    std::vector<std::string> files;  // the Poser files to check
    bool fix = false;                // write a mended copy of each
    std::string misuse;              // what is wrong with the arguments
};

CommandLine readCommandLine(const std::vector<std::string>& arguments);

// Does what the arguments ask for other than the window, and gives the exit status; an
// Update stopped by a signal ends by that signal.
int runCommandLine(const CommandLine& commandLine);

// Output on stdout, kept from the first write that fails on: runCommandLine reports it.
void writeOut(std::string_view bytes);
// A line on the terminal.
void printLine(std::FILE* stream, std::string_view text);
// "quobbin: " and what went wrong, on stderr; gives the exit status.
int complain(int status, std::string_view what);
// Says why the index could not be searched (no index yet, or unreadable); gives the exit status.
int complainOfIndex(IndexSearch search);
