#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A regular file (or a link to one) opened for reading. The open never blocks: a FIFO, a device
// or a folder at the path is refused, also one swapped in between a look and the open.
class ReadableFile {
public:
    enum class Open { Opened, Missing, Unreadable };
    enum class IfMissing { Fail, MakeEmpty };

    ReadableFile() = default;
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile() { close(); }

    // `hostPath` in UTF-8, as the system names the file. A missing file may be made, empty:
    // that needs the right to write in its folder, not to the file.
    Open open(const std::string& hostPath, IfMissing ifMissing = IfMissing::Fail);
    // Its length in bytes; empty when it cannot be told.
    std::optional<std::uint64_t> size() const;
    // Up to `size` bytes; 0 at the end of the file, -1 when the read fails.
    std::ptrdiff_t read(char* into, std::size_t size);
    void close();

private:
    std::intptr_t handle = -1;  // the system's descriptor or handle
};
