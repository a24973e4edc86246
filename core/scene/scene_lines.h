#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/scene/scene_stream.h"

// A piece of a Poser file: a line and its line end (CR LF, LF, a lone CR, or none at the end),
// or, of a line too long to be one of Poser's, a part of it. Every byte of the file lies in one
// piece, in order, so a copy can be written from them.
struct ScenePiece {
    std::string_view text;
    std::string_view end;
    bool whole = true;  // a line of its own, no longer than maxLineLength
    // Every byte a tab or printable ASCII, as most of a scene is: known from a check of all
    // that was read, so that the piece's bytes need no check of their own.
    bool plainText = false;
};

class SceneLines {
public:
    explicit SceneLines(SceneStream& stream) : stream(stream) {}

    // The next piece, valid until the next call; false at the end or when the stream fails.
    bool next(ScenePiece& piece);
    // Passes over the whole lines of plain text ahead whose first byte past tabs and spaces
    // is none of `wanted` (by byte value), as if next had given them: a reader that wants few
    // lines reads fast.
    void passOver(const std::array<bool, 256>& wanted);
    // The number of the line that the last piece belongs to, from 1.
    std::size_t lineNumber() const { return line; }

private:
    void fill();
    std::size_t lineEnd();
    void seek(std::size_t& found, char byte) const;
    void checkBytes();
    void give(ScenePiece& piece, std::size_t textEnd, std::size_t endLength, bool lineEnds);

    SceneStream& stream;
    std::string buffer;
    std::size_t start = 0;
    // The next CR and the next LF from `start` on (npos: none in the buffer), each sought again
    // only once passed, so a file of one kind of line end is not searched for the other at
    // every line.
    std::size_t nextCr = std::string::npos;
    std::size_t nextLf = std::string::npos;
    // The bytes before it are plain text: tabs, printable ASCII, LF, and CR only before LF.
    std::size_t plainEnd = 0;
    bool streamEnded = false;
    bool withinLine = false;  // a long line's part was given, its end not yet
    std::size_t line = 0;
};
