#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Lower-casing maps every code point to its simple lower case, one to one, never the full
// mapping that can change a text's length ("İ" must not become "i" plus a combining dot, a path
// Wine could no longer open), and only where the upper case of that lower case is the code point
// again: Windows and Wine compare names by upper case, so the Kelvin sign lower-cased to "k"
// would name another file. One table for the whole of Unicode, so every system lower-cases
// alike; ASCII takes a fast path.

inline char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

char32_t lowerCase(char32_t code);

bool isAscii(std::string_view bytes);

// Strict UTF-8: no over-long forms, no surrogates, nothing past U+10FFFF, no cut sequences.
bool isValidUtf8(std::string_view bytes);

// Decodes the code point at text[pos] and moves pos past it. Over-long forms, surrogates, code
// points past U+10FFFF and cut sequences are invalid: each of their bytes decodes on its own, to
// a value above every code point.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);
// The code point in UTF-8, appended to `text`.
void appendUtf8(std::string& text, char32_t code);

// The UTF-8 text lower-cased, appended to `text`; a byte that is no valid UTF-8 becomes U+FFFD.
void appendLowerCaseUtf8(std::string& text, std::string_view utf8);

// Orders two UTF-8 names by their lower-cased code points; names that differ only in letter
// case are then ordered by their bytes, so the order is fixed.
int compareFolded(std::string_view a, std::string_view b);

// Whether the UTF-8 text, lower-cased, equals `lowered` (UTF-8 already in lower case). Nothing
// is built: it stops at the first code point that differs, so a million names compare fast.
// Text that is not valid UTF-8 never equals anything.
bool lowersTo(std::string_view utf8, std::string_view lowered);
