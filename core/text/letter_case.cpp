#include "core/text/letter_case.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "core/text/lower_case_table.h"

namespace {

// A byte that starts no valid UTF-8 sequence decodes to a value above every code point, one per
// byte: such text then never equals valid text, and still orders in a fixed way.
constexpr char32_t invalidBase = 0x110000;
constexpr char32_t replacementCharacter = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The next code point, lower-cased, and pos moved past it; ASCII takes the fast path.
char32_t nextLowered(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return static_cast<unsigned char>(asciiLower(char(lead)));
    }
    const char32_t code = nextCodePoint(text, pos);
    return code < invalidBase ? lowerCase(code) : code;
}

}  // namespace

char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t extra = lead >= 0xF8   ? 0
                              : lead >= 0xF0 ? 3
                              : lead >= 0xE0 ? 2
                              : lead >= 0xC0 ? 1
                                             : 0;
    if (extra == 0 || pos + extra > text.size()) {
        return invalidBase + lead;
    }
    char32_t code = lead & (0x3F >> extra);
    for (std::size_t i = 0; i < extra; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) {
            return invalidBase + lead;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < shortest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return invalidBase + lead;
    }
    pos += extra;
    return code;
}

void appendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
}

char32_t lowerCase(char32_t code) {
    if (code >= invalidBase) {
        return code;
    }
    const std::uint8_t row = lowerCaseRowOfBlock[code / 256];
    return char32_t(std::int32_t(code) + lowerCaseDifferences[row][code % 256]);
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;  // ASCII, most of an index, without the decoder's call
        } else if (nextCodePoint(bytes, pos) >= invalidBase) {
            return false;
        }
    }
    return true;
}

void appendLowerCaseUtf8(std::string& text, std::string_view utf8) {
    if (isAscii(utf8)) {
        const std::size_t from = text.size();
        text += utf8;
        std::transform(text.begin() + std::ptrdiff_t(from), text.end(),
                       text.begin() + std::ptrdiff_t(from), asciiLower);
        return;
    }
    text.reserve(text.size() + utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t lowered = nextLowered(utf8, pos);
        appendUtf8(text, lowered < invalidBase ? lowered : replacementCharacter);
    }
}

int compareFolded(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t la = nextLowered(a, i);
        const char32_t lb = nextLowered(b, j);
        if (la != lb) {
            return la < lb ? -1 : 1;
        }
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    const int bytes = a.compare(b);
    return (bytes > 0) - (bytes < 0);
}

bool lowersTo(std::string_view utf8, std::string_view lowered) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < utf8.size() && j < lowered.size()) {
        const char32_t code = nextLowered(utf8, i);
        if (code >= invalidBase || code != nextCodePoint(lowered, j)) {
            return false;
        }
    }
    return i == utf8.size() && j == lowered.size();
}
