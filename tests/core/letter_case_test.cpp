#include "core/text/letter_case.h"

#include <doctest.h>

#include <string>
#include <string_view>

namespace {

std::string lowerCased(std::string_view utf8) {
    std::string lower;
    appendLowerCaseUtf8(lower, utf8);
    return lower;
}

}  // namespace

TEST_CASE("lower-casing maps one code point to one, and only where the upper case leads back") {
    struct Row {
        const char* name;
        std::string_view text;
        std::string_view lower;
    };
    const Row rows[] = {
        {"ASCII", "C:\\Poser\\Figure.OBJ", "c:\\poser\\figure.obj"},
        {"accented", "\u00C9T\u00C9.jpg", "\u00E9t\u00E9.jpg"},
        {"Greek and CJK", "\u03A3\u6F22", "\u03C3\u6F22"},
        {"outside the basic plane", "\U00010400x", "\U00010428x"},
        {"title case letters lower-case to what upper-cases back", "\u1F88\u01C4", "\u1F80\u01C6"},
        // Their lower cases upper-case to other letters: lower-cased they would name no file.
        {"dotted capital I never becomes i", "\u0130zmir", "\u0130zmir"},
        {"Kelvin, Angstrom and Ohm signs stay", "\u212A\u212B\u2126.obj", "\u212A\u212B\u2126.obj"},
        {"capital sharp s and theta symbol stay", "\u1E9E\u03F4", "\u1E9E\u03F4"},
        {"title case letter whose lower case upper-cases to another stays", "\u01C5", "\u01C5"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(lowerCased(row.text) == row.lower);
        CHECK(lowersTo(row.text, row.lower));
    }
    // So an ASCII name can only equal an ASCII name, which the scene check's index search counts
    // on.
    char32_t code = 0x80;
    while (code <= 0x10FFFF && lowerCase(code) >= 0x80) {
        ++code;
    }
    CHECK(code == 0x110000);
}

TEST_CASE("a byte that is no UTF-8 lower-cases to U+FFFD and never equals valid text") {
    struct Row {
        const char* name;
        std::string_view text;
        std::string_view lowered;
        bool equal;
    };
    const Row rows[] = {
        {"letter case ignored", "Skin.JPG", "skin.jpg", true},
        {"a longer name is another", "Skin.jpg2", "skin.jpg", false},
        {"four-byte letters", "\xF0\x90\x90\x80.obj", "\xF0\x90\x90\xA8.obj", true},
        {"four-byte letters that differ", "\xF0\x90\x90\x81.obj", "\xF0\x90\x90\xA8.obj", false},
        {"over-long form of g", "fi\xC1\xA7ure.obj", "figure.obj", false},
        {"encoded surrogate", "\xED\xA0\x80", "\xED\xA0\x80", false},
        {"cut sequence", "a\xC3", "a\xC3", false},
        {"a lead byte no sequence has", "\xF8\x90\x90\x80", "\xF0\x90\x90\xA8", false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(lowersTo(row.text, row.lowered) == row.equal);
        const bool valid = isValidUtf8(row.text);
        CHECK(valid == (row.equal || lowerCased(row.text).find("\uFFFD") == std::string::npos));
        CHECK(isValidUtf8(lowerCased(row.text)));
    }
}

TEST_CASE("names are ordered by their lower-cased code points, then by their bytes") {
    struct Row {
        const char* name;
        std::string_view first;
        std::string_view second;
    };
    const Row rows[] = {
        {"letter case ignored", "apple", "Banana"},
        {"a name before the names it begins", "Skin", "skin2"},
        {"same letters: by bytes", "Skin", "skin"},
        {"four-byte letters by code point", "\xEF\xBD\x81", "\xF0\x90\x90\x80"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(compareFolded(row.first, row.second) == -1);
        CHECK(compareFolded(row.second, row.first) == 1);
        CHECK(compareFolded(row.first, row.first) == 0);
    }
}
