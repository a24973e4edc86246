#pragma once

#include <cstdio>

// Standard input, output and error that the caller closed get /dev/null, opened the wrong way
// round: a write to stdout then fails as it should, and no file the program opens later takes
// their numbers, to receive its messages in their place.
void keepStandardStreamsTaken();

// Whether `stream` shows on a terminal (a console on Windows), not a file or a pipe.
bool isTerminal(std::FILE* stream);
