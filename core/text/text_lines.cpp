#include "core/text/text_lines.h"

#include <algorithm>
#include <cstring>

namespace {

// Files are read in blocks that stay in the processor's cache, not mapped: on a virtual
// machine the first touch of each mapped page costs more than copying it (80 MB of index took
// 40 ms mapped against 6 ms read), and a file cut short by another program while mapped would
// kill this one with SIGBUS.
constexpr std::size_t chunkSize = std::size_t{256} * 1024;

std::string_view withoutCr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

FileOpen LineReader::open(const std::string& hostPath) {
    const FileOpen opened = file.open(hostPath);
    buffer.resize(opened == FileOpen::Opened ? chunkSize : 0);
    start = end = 0;
    atEnd = opened != FileOpen::Opened;
    skipping = false;
    return opened;
}

bool LineReader::fill() {
    if (start > 0) {
        std::memmove(buffer.data(), buffer.data() + start, end - start);
        end -= start;
        start = 0;
    }
    if (end == buffer.size()) {
        buffer.resize(buffer.size() * 2);  // a line longer than the buffer, up to the limit
    }
    const std::ptrdiff_t got = file.read(buffer.data() + end, buffer.size() - end);
    if (got <= 0) {
        atEnd = true;
        return false;
    }
    end += std::size_t(got);
    return true;
}

// Takes the text from `start` to `lineEnd` as a line, unless it is part of a line too long.
bool LineReader::takeLine(std::size_t lineEnd, std::string_view& line) {
    const std::string_view text =
        withoutCr(std::string_view(buffer).substr(start, lineEnd - start));
    const bool tooLong = skipping || text.size() > maxLineLength;
    skipping = false;
    start = lineEnd;
    line = text;
    return !tooLong;
}

bool LineReader::readLine(std::string_view& line) {
    std::size_t searchFrom = start;
    for (;;) {
        const char* data = buffer.data();
        const void* found = std::memchr(data + searchFrom, '\n', end - searchFrom);
        if (found != nullptr) {
            const auto lineEnd = std::size_t(static_cast<const char*>(found) - data);
            const bool taken = takeLine(lineEnd, line);
            ++start;  // past the LF
            if (taken) {
                return true;
            }
            searchFrom = start;
            continue;
        }
        // Room for the longest line and its CR; past that the line is dropped as it is read.
        if (end - start > maxLineLength + 1) {
            skipping = true;
            start = end;
        }
        if (atEnd) {
            break;
        }
        const std::size_t searched = end - start;
        if (!fill()) {
            break;
        }
        searchFrom = start + searched;
    }
    if (start == end && !skipping) {
        return false;
    }
    return takeLine(end, line);
}

bool LineReader::readLines(std::string_view& lines) {
    std::string_view first;
    if (!readLine(first)) {
        return false;
    }
    const auto from = std::size_t(first.data() - buffer.data());
    // A line that ends within the longest line's reach is never too long: taking no line
    // ending past it leaves the longer ones, and a last line without its end, to readLine.
    const std::size_t reach = std::min(end - start, maxLineLength + 1);
    const std::size_t lastLineFeed = std::string_view(buffer).substr(start, reach).rfind('\n');
    if (lastLineFeed != std::string_view::npos) {
        start += lastLineFeed + 1;
    }
    lines = std::string_view(buffer).substr(from, start - from);
    return true;
}

std::string_view lineHolding(std::string_view lines, std::size_t at, std::size_t& next) {
    const std::size_t lineFeedBefore = at == 0 ? std::string_view::npos : lines.rfind('\n', at - 1);
    const std::size_t lineStart = lineFeedBefore == std::string_view::npos ? 0 : lineFeedBefore + 1;
    const std::size_t lineFeed = lines.find('\n', at);
    const std::size_t lineEnd = lineFeed == std::string_view::npos ? lines.size() : lineFeed;
    next = lineEnd + 1;
    return withoutCr(lines.substr(lineStart, lineEnd - lineStart));
}

std::optional<std::string> readFirstLine(const std::string& hostPath) {
    ReadableFile file;
    if (file.open(hostPath) != FileOpen::Opened) {
        return std::nullopt;
    }
    // The longest line, its CR and LF: enough to know whether the first line ends in time.
    std::string head(maxLineLength + 2, '\0');
    std::size_t size = 0;
    std::ptrdiff_t got = 0;
    while (size < head.size()) {
        got = file.read(head.data() + size, head.size() - size);
        if (got <= 0) {
            break;
        }
        const bool lineEnded = std::memchr(head.data() + size, '\n', std::size_t(got)) != nullptr;
        size += std::size_t(got);
        if (lineEnded) {
            break;
        }
    }
    if (got < 0) {
        return std::nullopt;
    }
    head.resize(size);
    const std::string_view line = withoutCr(std::string_view(head).substr(0, head.find('\n')));
    if (line.size() > maxLineLength) {
        return std::nullopt;
    }
    return std::string(line);
}
