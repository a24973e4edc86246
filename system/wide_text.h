#pragma once

#include <string>
#include <string_view>

// Windows names files in UTF-16; the program keeps paths in UTF-8. Only the Windows half of the
// system services uses these.

std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

// A path as the file functions take it: "/" as "\", and a path longer than the old limit of 260
// characters in the "\\?\" form, which lifts the limit.
std::wstring widePath(std::string_view utf8Path);
