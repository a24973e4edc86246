#pragma once

#include <string>
#include <string_view>

// Text in the system's ANSI code page, in UTF-8: the settings file and index that earlier
// releases wrote in it are still read. On Windows that code page is the user's language's
// (1252 in Western Europe); elsewhere the system's text is UTF-8 itself, and the bytes stay as
// they are.
std::string utf8FromAnsiCodePage(std::string_view ansi);
