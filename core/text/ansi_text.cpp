#include "core/text/ansi_text.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/text/letter_case.h"

namespace {

// The code points of bytes 0x80 to 0x9F; the others are Latin-1's.
constexpr std::array<char16_t, 32> high{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string utf8FromWindows1252(std::string_view ansi) {
    std::string utf8;
    utf8.reserve(ansi.size());
    for (const char c : ansi) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(utf8, byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char32_t(byte));
    }
    return utf8;
}

std::optional<std::string> windows1252FromUtf8(std::string_view utf8) {
    std::string ansi;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t code = nextCodePoint(utf8, at);
        const auto inHigh = std::find(high.begin(), high.end(), code);
        if (inHigh != high.end()) {
            ansi += char(0x80 + std::distance(high.begin(), inHigh));
        } else if (code < 0x80 || (code >= 0xA0 && code < 0x100)) {
            ansi += char(code);
        } else {
            return std::nullopt;
        }
    }
    return ansi;
}
