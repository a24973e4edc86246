#include "system/readable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

ReadableFile::Open ReadableFile::open(const std::string& hostPath, IfMissing ifMissing) {
    close();
    // O_NONBLOCK makes opening a FIFO return at once; it changes nothing for a regular file.
    const int created = ifMissing == IfMissing::MakeEmpty ? O_CREAT : 0;
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | created, 0666);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? Open::Missing : Open::Unreadable;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Open::Unreadable;
    }
    handle = fd;
    return Open::Opened;
}

std::optional<std::uint64_t> ReadableFile::size() const {
    struct stat info {};
    if (handle < 0 || fstat(int(handle), &info) != 0) {
        return std::nullopt;
    }
    return std::uint64_t(info.st_size);
}

std::ptrdiff_t ReadableFile::read(char* into, std::size_t size) {
    ssize_t got = 0;
    do {
        got = ::read(int(handle), into, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

void ReadableFile::close() {
    if (handle >= 0) {
        ::close(int(handle));
        handle = -1;
    }
}
