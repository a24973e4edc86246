#include "platform/text_lines.h"

#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"

namespace {

// Files are read in blocks that stay in the processor's cache, not mapped: on a virtual
// machine the first touch of each mapped page costs more than copying it (80 MB of index took
// 40 ms mapped against 6 ms read), and a file cut short by another program while mapped would
// kill this one with SIGBUS.
constexpr qsizetype chunkSize = qsizetype{256} * 1024;

qsizetype readSome(int fd, char* into, qsizetype size) {
    ssize_t got;
    do {
        got = ::read(fd, into, size_t(size));
    } while (got < 0 && errno == EINTR);
    return got;
}

QByteArrayView withoutCr(QByteArrayView line) {
    return line.endsWith('\r') ? line.chopped(1) : line;
}

}  // namespace

FileOpen LineReader::open(const QString& hostPath) {
    close();
    fd = openRegularFile(QFile::encodeName(hostPath).constData(), O_RDONLY);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? FileOpen::Missing : FileOpen::Unreadable;
    }
    buffer.resize(chunkSize);
    start = end = 0;
    atEnd = skipping = false;
    return FileOpen::Opened;
}

void LineReader::close() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
    buffer = QByteArray();
}

bool LineReader::fill() {
    if (start > 0) {
        std::memmove(buffer.data(), buffer.constData() + start, size_t(end - start));
        end -= start;
        start = 0;
    }
    if (end == buffer.size()) {
        buffer.resize(buffer.size() * 2);  // a line longer than the buffer, up to the limit
    }
    const qsizetype got = readSome(fd, buffer.data() + end, buffer.size() - end);
    if (got <= 0) {
        atEnd = true;
        return false;
    }
    end += got;
    return true;
}

// Takes the text from `start` to `lineEnd` as a line, unless it is part of a line too long.
bool LineReader::takeLine(qsizetype lineEnd, QByteArrayView& line) {
    const QByteArrayView text = withoutCr(QByteArrayView(buffer).sliced(start, lineEnd - start));
    const bool tooLong = skipping || text.size() > maxLineLength;
    skipping = false;
    start = lineEnd;
    line = text;
    return !tooLong;
}

bool LineReader::readLine(QByteArrayView& line) {
    if (fd < 0) {
        return false;
    }
    qsizetype searchFrom = start;
    for (;;) {
        const char* data = buffer.constData();
        const void* found = std::memchr(data + searchFrom, '\n', size_t(end - searchFrom));
        if (found != nullptr) {
            const qsizetype lineEnd = static_cast<const char*>(found) - data;
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
        const qsizetype searched = end - start;
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

bool LineReader::readLines(QByteArrayView& lines) {
    QByteArrayView first;
    if (!readLine(first)) {
        return false;
    }
    const char* data = buffer.constData();
    const qsizetype from = first.constData() - data;
    // A line that ends within the longest line's reach is never too long: taking no line
    // ending past it leaves the longer ones, and a last line without its end, to readLine.
    const qsizetype reach = std::min(end - start, maxLineLength + 1);
    if (const void* lastLineFeed = memrchr(data + start, '\n', size_t(reach))) {
        start = static_cast<const char*>(lastLineFeed) - data + 1;
    }
    lines = QByteArrayView(buffer).sliced(from, start - from);
    return true;
}

QByteArrayView lineHolding(QByteArrayView lines, qsizetype at, qsizetype& next) {
    const char* data = lines.constData();
    const void* lineFeedBefore = memrchr(data, '\n', size_t(at));
    const qsizetype lineStart =
        lineFeedBefore == nullptr ? 0 : static_cast<const char*>(lineFeedBefore) - data + 1;
    const void* lineFeed = std::memchr(data + at, '\n', size_t(lines.size() - at));
    const qsizetype lineEnd =
        lineFeed == nullptr ? lines.size() : static_cast<const char*>(lineFeed) - data;
    next = lineEnd + 1;
    return withoutCr(lines.sliced(lineStart, lineEnd - lineStart));
}

std::optional<QByteArray> readFirstLine(const QString& hostPath) {
    const int fd = openRegularFile(QFile::encodeName(hostPath).constData(), O_RDONLY);
    if (fd < 0) {
        return std::nullopt;
    }
    // The longest line, its CR and LF: enough to know whether the first line ends in time.
    QByteArray head(maxLineLength + 2, Qt::Uninitialized);
    qsizetype size = 0;
    qsizetype got = 0;
    while (size < head.size()) {
        got = readSome(fd, head.data() + size, head.size() - size);
        if (got <= 0) {
            break;
        }
        const bool lineEnded = std::memchr(head.constData() + size, '\n', size_t(got)) != nullptr;
        size += got;
        if (lineEnded) {
            break;
        }
    }
    ::close(fd);
    if (got < 0) {
        return std::nullopt;
    }
    head.truncate(size);
    const qsizetype lineEnd = head.indexOf('\n');
    const QByteArrayView line = withoutCr(QByteArrayView(head).first(lineEnd < 0 ? size : lineEnd));
    if (line.size() > maxLineLength) {
        return std::nullopt;
    }
    return line.toByteArray();
}
