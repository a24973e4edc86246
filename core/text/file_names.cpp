#include "core/text/file_names.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/text/letter_case.h"

namespace {

// Windows opens a device rather than a file for a name whose base (up to its first dot,
// trailing blanks dropped) is a device's, whatever follows: CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9, CONIN$, CONOUT$, letter case ignored. Most names differ in their first letter.
bool isDeviceName(std::string_view name) {
    static constexpr std::string_view firstLetters = "cpanlCPANL";
    if (name.empty() || firstLetters.find(name.front()) == std::string_view::npos) {
        return false;
    }
    std::size_t length = std::min(name.find('.'), name.size());
    while (length > 0 && name[length - 1] == ' ') {
        --length;
    }
    static constexpr std::size_t longest = 7;
    if (length < 3 || length > longest) {
        return false;
    }
    std::array<char, longest> lowered{};
    for (std::size_t i = 0; i < length; ++i) {
        lowered[i] = asciiLower(name[i]);
    }
    const std::string_view base(lowered.data(), length);
    if (length == 4 && (base.starts_with("com") || base.starts_with("lpt"))) {
        return base[3] >= '1' && base[3] <= '9';
    }
    static constexpr std::string_view devices[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    return std::find(std::begin(devices), std::end(devices), base) != std::end(devices);
}

}  // namespace

bool isListableName(std::string_view name) {
    // Control characters and what Windows keeps out of names; bytes beyond ASCII are left to
    // the UTF-8 check.
    static constexpr std::array<bool, 128> refused = [] {
        std::array<bool, 128> table{};
        for (int c = 0; c < 0x20; ++c) {
            table[size_t(c)] = true;
        }
        for (const char c : std::string_view("\\/:*?\"<>|\x7F")) {
            table[static_cast<unsigned char>(c)] = true;
        }
        return table;
    }();
    bool ascii = true;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            ascii = false;
        } else if (refused[byte]) {
            return false;
        }
    }
    // Windows strips a trailing dot or blank, so such a path would name another file.
    return !name.empty() && !name.ends_with('.') && !name.ends_with(' ') &&
           (ascii || isValidUtf8(name)) && !isDeviceName(name);
}
