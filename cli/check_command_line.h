#pragma once

#include <string>
#include <vector>

// `quobbin --check FILE... [--fix]`: every reference of each Poser file (and of the Poser files
// it reads in) that leads to no file, each with the indexed files of its name, best first; with
// --fix a mended copy beside each file. The exit status: 0 nothing missing, 1 something missing
// (or no Poser folder), 3 a file or the index could not be read.
int checkFromCommandLine(const std::vector<std::string>& files, bool fix);
