#pragma once

#include <string>

// A folder only this user can enter, for the one-copy lock and the socket that reaches the
// running copy: $XDG_RUNTIME_DIR when it is the user's own and 0700, else quobbin-<uid> in the
// temporary folder, made 0700 and refused when another user owns it or may enter it, else the
// first private quobbin-<uid>-XXXXXX there, made when there is none. Every copy of the program
// comes to the same one. Empty when there is none, and on Windows, which names its locks.
std::string privateRuntimeFolder();
