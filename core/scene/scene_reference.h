#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A place where a Poser file names another file.
struct SceneReference {
    std::size_t line = 0;  // from 1
    std::string keyword;
    std::string path;  // as written, quotes removed, in UTF-8
    // Where the path's bytes stand on the line, as the file holds them: what a mended copy
    // replaces.
    std::size_t start = 0;
    std::size_t length = 0;
};

// The reference that a line holds: a keyword that names a file, then its value, the rest of the
// line (a pair of double quotes around it removed) after the numbers that some keywords take
// first. NO_MAP, GetStringRes(...) and an empty value name no file. The path is left in the
// line's own bytes, and `line` at 0.
std::optional<SceneReference> referenceOnLine(std::string_view line);

// The bytes that a line holding a reference can begin with past its blanks, by byte value: a
// test that turns down most of a scene's lines before any other work.
using FirstBytes = std::array<bool, 256>;
const FirstBytes& referenceFirstBytes();

// Keywords whose files are images, which Poser also looks for under Runtime:Textures.
bool namesImage(std::string_view keyword);

// The extensions of Poser's own files, plain and compressed, in lower case.
inline constexpr std::array<std::string_view, 22> poserExtensions{
    ".pz3", ".pzz", ".cr2", ".crz", ".pz2", ".p2z", ".pp2", ".ppz", ".hr2", ".hrz", ".fc2",
    ".fcz", ".hd2", ".hdz", ".cm2", ".cmz", ".lt2", ".ltz", ".mc6", ".mcz", ".mt5", ".mz5"};

// Whether the file is one that Poser reads in, as text, and that can name files in turn:
// `readScript` reads a pose whatever its name, otherwise its extension tells.
bool namesPoserFile(const SceneReference& reference);
