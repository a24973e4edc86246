#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/lookup/name_candidates.h"

// How a look-up compares the wanted name with the file name of an index line.
enum class CompareMode {
    FullName,  // the whole file name, extension included
    BaseName,  // only the part of the file name before its first "."
};

// A "." anywhere in the clipboard's text means the user copied a name with its extension.
CompareMode compareModeFor(std::string_view cliptext);

// The wanted name of one look-up, ready to be compared with a million index lines.
class FileNameMatch {
public:
    // `lookname` is UTF-8, already lower-cased.
    FileNameMatch(std::string lookname, CompareMode mode, VectorWidth width = VectorWidth::Widest);

    // Whether the line's file name, lower-cased, equals the wanted name. Only the file-name
    // part of the line is read.
    bool matches(std::string_view indexLine) const;

    // Hands on, in order and in UTF-8, each line of `lines` (as LineReader::readLines gives
    // them) whose file name, lower-cased, equals the wanted name; a line that is no UTF-8 is
    // read in the system's ANSI code page first. Only lines that may match are taken out.
    void findIn(std::string_view lines,
                const std::function<void(std::string_view line)>& onMatch) const;

private:
    // Whether the wanted ASCII name stands at `at` as the file name (or base name) of its line.
    bool standsAt(std::string_view lines, std::size_t at) const;
    void handOnIfMatching(std::string_view line,
                          const std::function<void(std::string_view line)>& onMatch) const;
    std::size_t findFrom(std::string_view lines, std::size_t at,
                         const std::function<void(std::string_view line)>& onMatch) const;

    std::string wanted;  // UTF-8, as the index holds names
    CompareMode mode;
    bool fromLineEnd;  // a full name in ASCII: a line is decided from its end
    // A name in printable ASCII: most lines are passed over many at a time, never split out.
    std::optional<NameCandidates> candidates;
};
