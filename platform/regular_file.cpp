#include "platform/regular_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

int openRegularFile(const char* path, int flags, mode_t mode) {
    // O_NONBLOCK makes opening a FIFO return at once; it changes nothing for a regular file.
    const int fd = ::open(path, flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}
