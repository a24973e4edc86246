#pragma once

#include <string>
#include <vector>

// The window is a program of its own beside `quobbin`, so that the command line loads only the
// libraries it needs, not the window's, which would cost a look-up most of its time. This
// replaces the process by the window program, given the same arguments; it returns, with an
// exit status, only when that program cannot be started.
int startWindowProgram(const std::vector<std::string>& arguments);
