#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "system/readable_file.h"

// Text files in lines. Lines are written with CR LF; a reader takes CR LF as the line end and
// also accepts a lone LF (a file edited on Linux), dropping a CR left before it.

// No line the program writes comes near this; a longer one is no line of its files, and
// skipping it keeps memory bounded whatever a file holds.
constexpr std::size_t maxLineLength = std::size_t{1024} * 1024;

using FileOpen = ReadableFile::Open;

class LineReader {
public:
    // Opens a regular file (or a link to one) for reading; anything else is unreadable.
    FileOpen open(const std::string& hostPath);

    // The next line without its line end, valid until the next call; false at the end. A last
    // line without a line end is a line like any other; lines longer than maxLineLength are
    // skipped.
    bool readLine(std::string_view& line);

    // The next lines, many at once for a search that skips through them: the lines readLine
    // would give, each with its line end (the file's last line may have none), valid until the
    // next call; false at the end. lineHolding takes a line out of them.
    bool readLines(std::string_view& lines);

private:
    bool fill();
    bool takeLine(std::size_t lineEnd, std::string_view& line);

    ReadableFile file;
    std::string buffer;  // holds at most one line and a read ahead of it
    std::size_t start = 0;
    std::size_t end = 0;
    bool atEnd = true;
    bool skipping = false;  // inside a line that is too long
};

// The line of `lines` (as readLines gives them) that holds the byte at `at`, without its line
// end, as readLine gives it; `next` is set to where the line after it starts.
std::string_view lineHolding(std::string_view lines, std::size_t at, std::size_t& next);

// The first line of a file, without its line end; empty when the file cannot be read or its
// first line is too long. Reads no more of the file than that line.
std::optional<std::string> readFirstLine(const std::string& hostPath);
