#include "system/file_replacement.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool isReplaceable(int folderFd, const std::string& name, FileReplacement::Over over) {
    struct stat info {};
    if (fstatat(folderFd, name.c_str(), &info, 0) != 0) {
        return errno == ENOENT;  // missing, or a link to nothing
    }
    if (over == FileReplacement::Over::NothingYet) {
        return false;
    }
    return S_ISREG(info.st_mode) ||
           (over == FileReplacement::Over::AnyFile && !S_ISDIR(info.st_mode));
}

}  // namespace

FileReplacement::Start FileReplacement::start(const std::string& hostPath, Writers writers,
                                              Over over) {
    abandon();
    this->over = over;
    const std::size_t slash = hostPath.rfind('/');
    const std::string folderPath = slash == std::string::npos ? "."
                                   : slash == 0               ? "/"
                                                              : hostPath.substr(0, slash);
    const int folderFd = ::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return Start::Failed;
    }
    folder = folderFd;
    if (writers == Writers::OneAtATime && flock(folderFd, LOCK_EX | LOCK_NB) != 0 &&
        errno == EWOULDBLOCK) {
        release();
        return Start::Busy;
    }
    targetPath = hostPath.substr(slash + 1);
    temporaryPath = targetPath + ".new";
    if (!isReplaceable(folderFd, targetPath, over)) {
        release();
        return Start::Failed;
    }
    unlinkat(folderFd, temporaryPath.c_str(), 0);  // left by a copy that was killed
    file = openat(folderFd, temporaryPath.c_str(),
                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (file < 0) {
        release();
        return Start::Failed;
    }
    writeFailed = false;
    return Start::Started;
}

bool FileReplacement::writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(int(file), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool FileReplacement::commit() {
    if (file < 0) {
        return false;
    }
    // Synced before the rename, so that a crash just after it cannot leave an empty file.
    bool done = flush() && fdatasync(int(file)) == 0;
    done = ::close(int(file)) == 0 && done;
    file = -1;
    done = done && isReplaceable(int(folder), targetPath, over) &&
           renameat(int(folder), temporaryPath.c_str(), int(folder), targetPath.c_str()) == 0;
    if (done) {
        fsync(int(folder));  // the rename itself reaches the disk
        release();
        return true;
    }
    abandon();
    return false;
}

void FileReplacement::abandon() {
    if (file >= 0) {
        ::close(int(file));
        file = -1;
    }
    if (folder >= 0) {
        unlinkat(int(folder), temporaryPath.c_str(), 0);
    }
    release();
}

void FileReplacement::release() {
    if (folder >= 0) {
        ::close(int(folder));  // lets go of the lock
        folder = -1;
    }
    pending = std::string();
}
