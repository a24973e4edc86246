#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "system/gzip_streams.h"
#include "system/readable_file.h"

// How reading a Poser file went. Every failure has a plain reason that the user can act on.
enum class SceneRead {
    Read,
    Missing,
    Folder,      // a folder, not a file
    NotAFile,    // a FIFO, a device or the like
    Unreadable,  // no right to read it, or the read failed
    Empty,
    NotPoserText,  // text, yet no Poser file: it does not open with "{"
    Binary,        // NUL or other control bytes: no text at all
    Damaged,       // compressed data that fails gzip's checks
    CutShort,      // compressed data that ends before its end
    ExpandsTooFar  // compressed data that would grow past all bounds
};

// A short English phrase for messages: "the file is missing".
const char* describeSceneRead(SceneRead read);

// The bytes of a Poser file, as they stand or, when it is gzip-compressed (known by its first
// two bytes, not its name), inflated a piece at a time.
class SceneStream {
public:
    SceneRead open(const std::string& hostPath);
    bool isCompressed() const { return compressed; }

    // Appends up to `room` bytes (room > 0) to `into`; false at the end of the data, or when
    // reading fails: failure() then tells why.
    bool read(std::string& into, std::size_t room);
    SceneRead failure() const { return failed; }

private:
    bool readRaw();
    // Appends up to `count` bytes of the file to `into`.
    bool readFile(std::string& into, std::size_t count);
    bool inflateInto(std::string& into, std::size_t room);

    ReadableFile file;
    std::string raw;  // read from the file, not yet handed on or inflated
    std::size_t rawStart = 0;
    bool rawEnded = false;
    bool compressed = false;
    GzipInflater inflater;
    std::uint64_t inflated = 0;
    std::uint64_t inflatedBound = 0;
    SceneRead failed = SceneRead::Read;
};
