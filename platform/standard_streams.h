#pragma once

// Standard input, output and error that the caller closed get /dev/null, opened the wrong way
// round: a write to stdout then fails as it should, and no file the program opens later takes
// their numbers, to receive its messages in their place.
void keepStandardStreamsTaken();
