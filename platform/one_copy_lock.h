#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One copy of the program per user session. The lock lives in the user's runtime folder,
// outside the program's data folder, so a second copy touches none of the program's files.
class OneCopyLock {
public:
    // False when another running copy holds the lock. A lock left by a copy that crashed or
    // was killed is taken over.
    bool acquire();

    static QString lockPath();

private:
    std::unique_ptr<QLockFile> lock;
};
