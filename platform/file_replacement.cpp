#include "platform/file_replacement.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

constexpr qsizetype chunkSize = qsizetype{256} * 1024;

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// A FIFO, a device or a folder where the file belongs is not replaced: it is not ours.
bool isReplaceable(int folderFd, const QByteArray& name) {
    struct stat info {};
    if (fstatat(folderFd, name.constData(), &info, 0) != 0) {
        return errno == ENOENT;  // missing, or a link to nothing
    }
    return S_ISREG(info.st_mode);
}

}  // namespace

FileReplacement::Start FileReplacement::start(const QString& hostPath) {
    abandon();
    const QFileInfo target(hostPath);
    folderFd =
        ::open(QFile::encodeName(target.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return Start::Failed;
    }
    if (flock(folderFd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        release();
        return Start::Busy;
    }
    targetName = QFile::encodeName(target.fileName());
    temporaryName = targetName + ".new";
    if (!isReplaceable(folderFd, targetName)) {
        release();
        return Start::Failed;
    }
    unlinkat(folderFd, temporaryName.constData(), 0);  // left by a copy that was killed
    fd = openat(folderFd, temporaryName.constData(),
                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        release();
        return Start::Failed;
    }
    writeFailed = false;
    return Start::Started;
}

void FileReplacement::writeLine(QByteArrayView line) {
    if (writeFailed) {
        return;
    }
    pending.append(line);
    pending.append("\r\n", 2);
    if (pending.size() >= chunkSize) {
        flush();
    }
}

bool FileReplacement::flush() {
    if (!writeFailed && !writeAll(fd, pending.constData(), pending.size())) {
        writeFailed = true;
    }
    pending.resize(0);  // keeps the allocation for the next lines
    return !writeFailed;
}

bool FileReplacement::commit() {
    if (fd < 0) {
        return false;
    }
    // Synced before the rename, so that a crash just after it cannot leave an empty index.
    bool done = flush() && fdatasync(fd) == 0;
    done = ::close(fd) == 0 && done;
    fd = -1;
    done = done && isReplaceable(folderFd, targetName) &&
           renameat(folderFd, temporaryName.constData(), folderFd, targetName.constData()) == 0;
    if (done) {
        fsync(folderFd);  // the rename itself reaches the disk
        release();
        return true;
    }
    abandon();
    return false;
}

void FileReplacement::abandon() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
    if (folderFd >= 0) {
        unlinkat(folderFd, temporaryName.constData(), 0);
    }
    release();
}

void FileReplacement::release() {
    if (folderFd >= 0) {
        ::close(folderFd);  // lets go of the lock
        folderFd = -1;
    }
    pending = QByteArray();
}
