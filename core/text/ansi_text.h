#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the ANSI code page of Western Europe, in which older Poser files are written.
// Its five unassigned bytes stand for the C1 controls of the same number, as Windows reads them.

std::string utf8FromWindows1252(std::string_view ansi);

// Empty when the text holds a letter that the code page has not.
std::optional<std::string> windows1252FromUtf8(std::string_view utf8);
