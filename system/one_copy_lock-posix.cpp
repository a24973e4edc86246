#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "system/one_copy_lock.h"
#include "system/runtime_folder.h"

namespace {

// A regular file, or a link to one, opened without blocking: a FIFO or a folder put in its
// place is refused, also one swapped in between a look and the open.
int openLockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat info {};
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

OneCopyLock::~OneCopyLock() {
    if (handle >= 0) {
        ::close(int(handle));
    }
}

std::string OneCopyLock::lockPath() {
    const std::string runtime = privateRuntimeFolder();
    return runtime.empty() ? std::string() : runtime + "/quobbin.lock";
}

bool OneCopyLock::acquire() {
    const std::string path = lockPath();
    if (path.empty()) {
        return true;
    }
    const int fd = openLockFile(path);
    if (fd < 0) {
        return true;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        handle = fd;
        return true;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldByAnother;
}
