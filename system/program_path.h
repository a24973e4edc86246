#pragma once

#include <string>

// The file of the running program, in UTF-8 (on Linux, links resolved); empty when the system
// cannot tell.
std::string programPath();
