#pragma once

#include <string_view>

// An index line is a file's full path; the text after its last "\" is the file's name (the
// whole line when it holds none). The scan writes lines so, the look-up reads them so.
inline std::string_view fileNamePart(std::string_view line) {
    const std::size_t lastBackslash = line.rfind('\\');
    return lastBackslash == std::string_view::npos ? line : line.substr(lastBackslash + 1);
}

// Whether an index line can be a path: no NUL or other control character, valid UTF-8.
bool isPathText(std::string_view line);
