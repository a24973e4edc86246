#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A drive path taken apart: its drive and its folder names, "." and ".." already applied, never
// leading above the drive's root.
struct DrivePathParts {
    char letter = 'c';  // lower case
    std::vector<std::string> names;
    bool driveOnly = false;  // "c:" alone: the drive's current folder
};

std::optional<DrivePathParts> splitDrivePath(std::string_view drivePath);

// Joins a drive letter and folder names the way the program reports paths: "C:\" for a bare
// drive, otherwise "C:\A\B" with no trailing backslash.
std::string joinDrivePath(char letter, const std::vector<std::string>& names);

bool isDriveLetter(char c);

// Only drive paths ever go to the clipboard: a text whose second and third characters are
// ":\". Poser's dialog opens nothing else.
bool isDrivePath(std::string_view text);
