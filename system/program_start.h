#pragma once

#include <optional>
#include <string>
#include <vector>

// The program's arguments in UTF-8, its own name first. On Windows they are read from the wide
// command line: the narrow one is in the ANSI code page, which cannot hold every name.
std::vector<std::string> programArguments(int argc, char* argv[]);

// Runs the program at `path` (UTF-8) with these arguments in this one's place: on POSIX by exec,
// on Windows as a process of its own, this one ending. Gives what went wrong when it cannot.
std::optional<std::string> runInstead(const std::string& path,
                                      const std::vector<std::string>& arguments);

// Whether there is a display to show a window on: on Linux DISPLAY, WAYLAND_DISPLAY or a chosen
// QT_QPA_PLATFORM names one; Windows always has its desktop.
bool isDisplayNamed();
