#pragma once

#include <QString>

// One copy of the program per user session. The lock lives in the user's private runtime
// folder, outside the program's data folder, so a second copy touches none of the program's
// files. It is a lock on an open file, which the system lets go of when its holder ends
// however it ends: a copy that crashed or was killed never keeps the next one from starting,
// and whatever a lock file holds means nothing.
class OneCopyLock {
public:
    OneCopyLock() = default;
    OneCopyLock(const OneCopyLock&) = delete;
    OneCopyLock& operator=(const OneCopyLock&) = delete;
    ~OneCopyLock();

    // False only when another running copy holds the lock. Where no lock can be made at all,
    // the program runs rather than never starting.
    bool acquire();

    static QString lockPath();

private:
    int fd = -1;
};
