#pragma once

#include <string>
#include <string_view>
#include <vector>

// The ways a Poser file writes a path, each found from its own place.
enum class PathForm {
    PoserFolder,      // ":Runtime:Geometries:x.obj", "Runtime/Geometries/x.obj"
    Textures,         // an image's colon path not from ":Runtime:": under Runtime:Textures
    BareName,         // an image's name alone: anywhere under Runtime:Textures
    WindowsAbsolute,  // "C:\...", also with "/"
    Unc,              // "\\server\share\..."
    MacAbsolute,      // "Macintosh HD:...:Runtime:...": found from its Runtime on
};

PathForm pathForm(std::string_view path, std::string_view keyword);

// The drive path where Poser opens the file, `poserFolder` being the drive path of the folder
// that holds Runtime. Empty when the path leads to no drive (UNC; a Mac path without Runtime).
// For a bare name, the file right in the textures folder.
std::string drivePathFor(std::string_view path, std::string_view keyword,
                         std::string_view poserFolder);

// The drive path of the textures folder.
std::string texturesFolder(std::string_view poserFolder);

// The path's folder and file names, lower-cased, split at each ":", "\" and "/".
std::vector<std::string> loweredNames(std::string_view path);

// The written path as a colon path from the Poser folder when the drive path lies under it,
// else the drive path itself.
std::string pathToWrite(std::string_view drivePath, std::string_view poserFolder);
