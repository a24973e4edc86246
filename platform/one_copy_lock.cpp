#include "platform/one_copy_lock.h"

#include <unistd.h>

#include <QDir>

QString OneCopyLock::lockPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        return runtime + QStringLiteral("/quobbin.lock");
    }
    return QDir::tempPath() + QStringLiteral("/quobbin-%1.lock").arg(getuid());
}

bool OneCopyLock::acquire() {
    lock = std::make_unique<QLockFile>(lockPath());
    // Age never makes a lock stale: only a lock whose process has gone is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return true;
    }
    // A lock that cannot be made at all (no runtime folder) must not keep the program from
    // starting; only a live copy holding it does.
    return lock->error() != QLockFile::LockFailedError;
}
