#include "core/drives/drive_paths.h"

#include <cstdint>

#include "core/text/letter_case.h"

bool isDriveLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<DrivePathParts> splitDrivePath(std::string_view drivePath) {
    if (drivePath.size() < 2 || !isDriveLetter(drivePath[0]) || drivePath[1] != ':') {
        return std::nullopt;
    }
    DrivePathParts parts;
    parts.letter = asciiLower(drivePath[0]);
    // A drive list's text is the letter and colon, perhaps followed by a blank and a label.
    if (drivePath.size() == 2 || drivePath[2] == ' ') {
        parts.driveOnly = true;
        return parts;
    }
    if (drivePath[2] != '\\') {
        return std::nullopt;
    }
    // Wine takes a forward slash for a separator too; left in a name, ".." after it would lead
    // past the drive's root once the host path is cleaned.
    std::size_t start = 3;
    while (start <= drivePath.size()) {
        const std::size_t end = std::min(drivePath.find_first_of("\\/", start), drivePath.size());
        const std::string_view name = drivePath.substr(start, end - start);
        if (name == "..") {
            if (!parts.names.empty()) {
                parts.names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            parts.names.emplace_back(name);
        }
        start = end + 1;
    }
    return parts;
}

std::string joinDrivePath(char letter, const std::vector<std::string>& names) {
    std::string path{char(letter & ~0x20), ':', '\\'};
    for (const std::string& name : names) {
        if (&name != &names.front()) {
            path += '\\';
        }
        path += name;
    }
    return path;
}

bool isDrivePath(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    // Characters, not bytes: the first may take several.
    std::size_t second = 1;
    while (second < text.size() && (std::uint8_t(text[second]) & 0xC0) == 0x80) {
        ++second;
    }
    return text.substr(second).starts_with(":\\");
}
