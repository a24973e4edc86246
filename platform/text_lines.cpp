#include "platform/text_lines.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

constexpr qsizetype chunkSize = 256 * 1024;

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

bool LineReader::open(const QString& hostPath) {
    close();
    fd = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    buffer.resize(chunkSize);
    start = end = 0;
    atEnd = false;
    return true;
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
        buffer.resize(buffer.size() * 2);  // a line longer than the buffer
    }
    ssize_t got;
    do {
        got = ::read(fd, buffer.data() + end, size_t(buffer.size() - end));
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        atEnd = true;
        return false;
    }
    end += got;
    return true;
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
            const qsizetype length = lineEnd > start && data[lineEnd - 1] == '\r'
                                         ? lineEnd - 1 - start
                                         : lineEnd - start;
            line = QByteArrayView(data + start, length);
            start = lineEnd + 1;
            return true;
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
    if (start == end || wholeLinesOnly) {
        return false;
    }
    line = QByteArrayView(buffer.constData() + start, end - start);
    start = end;
    return true;
}

bool LineWriter::open(const QString& hostPath) {
    close();
    fd = ::open(QFile::encodeName(hostPath).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                0666);
    return fd >= 0;
}

void LineWriter::writeLine(QByteArrayView line) {
    pending.append(line);
    pending.append("\r\n", 2);
    if (pending.size() >= chunkSize) {
        flush();
    }
}

void LineWriter::flush() {
    if (fd >= 0 && !pending.isEmpty()) {
        writeAll(fd, pending.constData(), pending.size());  // a line that fails is lost
    }
    pending.resize(0);  // keeps the allocation for the next lines
}

void LineWriter::close() {
    if (fd < 0) {
        return;
    }
    flush();
    ::close(fd);
    fd = -1;
}

std::optional<QByteArray> readFirstLine(const QString& hostPath) {
    LineReader reader;
    QByteArrayView line;
    if (!reader.open(hostPath)) {
        return std::nullopt;
    }
    return reader.readLine(line) ? line.toByteArray() : QByteArray();
}
