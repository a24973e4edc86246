#include "system/file_replacement.h"

namespace {

// Lines are gathered and written a quarter of a megabyte at a time.
constexpr std::size_t chunkSize = std::size_t{256} * 1024;

}  // namespace

void FileReplacement::writeLine(std::string_view line) {
    write(line);
    write("\r\n");
}

void FileReplacement::write(std::string_view bytes) {
    if (writeFailed) {
        return;
    }
    pending += bytes;
    if (pending.size() >= chunkSize) {
        flush();
    }
}

bool FileReplacement::flush() {
    if (!writeFailed && !writeOut(pending)) {
        writeFailed = true;
    }
    pending.clear();  // keeps the allocation for the next lines
    return !writeFailed;
}
