#pragma once

#include <cstdint>
#include <string>

// One copy of the program per user session. On POSIX the lock lives in the user's private
// runtime folder, outside the program's data folder, so a second copy touches none of the
// program's files; on Windows it is a mutex named for the session. Either way the system lets
// go of it when its holder ends however it ends: a copy that crashed or was killed never keeps
// the next one from starting.
class OneCopyLock {
public:
    OneCopyLock() = default;
    OneCopyLock(const OneCopyLock&) = delete;
    OneCopyLock& operator=(const OneCopyLock&) = delete;
    ~OneCopyLock();

    // False only when another running copy holds the lock. Where no lock can be made at all,
    // the program runs rather than never starting.
    bool acquire();

    // The lock file on POSIX; empty on Windows, and where there is no private folder.
    static std::string lockPath();

private:
    std::intptr_t handle = -1;  // a file descriptor, or a mutex's handle
};
