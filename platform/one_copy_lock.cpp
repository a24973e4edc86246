#include "platform/one_copy_lock.h"

#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "platform/regular_file.h"
#include "platform/user_folders.h"

OneCopyLock::~OneCopyLock() {
    if (fd >= 0) {
        ::close(fd);
    }
}

QString OneCopyLock::lockPath() {
    const QString runtime = privateRuntimeFolder();
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/quobbin.lock");
}

bool OneCopyLock::acquire() {
    const QString path = lockPath();
    if (path.isEmpty()) {
        return true;
    }
    fd = openRegularFile(QFile::encodeName(path).constData(), O_RDWR | O_CREAT, 0600);
    if (fd < 0) {
        return true;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(fd);
    fd = -1;
    return !heldByAnother;
}
