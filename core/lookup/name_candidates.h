#pragma once

#include <cstddef>
#include <string_view>

// How many bytes the search takes at a time: the widest the processor has, or SSE2's sixteen,
// which every x86-64 processor has (tests take both ways).
enum class VectorWidth { Widest, Sse2 };

// Where in a run of index lines an ASCII file name may stand, found many bytes at a time: a
// million lines are skipped through without being split into lines. A candidate is a place
// whose byte has the name's first letter, the name's last letter lies where it would end, and
// a line end or "." follows (letter case ignored, loosely: the caller checks each one). No
// letter beyond ASCII lower-cases to an ASCII one, so bytes beyond ASCII are never candidates.
class NameCandidates {
public:
    // `asciiName` is lower case and not empty.
    explicit NameCandidates(std::string_view asciiName, VectorWidth width = VectorWidth::Widest);

    // The first candidate at or after `from`. Near the text's end, where a block of bytes and
    // the name's end no longer fit, every place is one: it returns text.size() only from there.
    std::size_t next(std::string_view text, std::size_t from) const;

private:
    char first;  // the name's first and last letters, with bit 0x20 set
    char last;
    std::size_t length;
    bool avx2;
};
