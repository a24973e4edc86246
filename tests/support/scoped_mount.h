#pragma once

#include <QString>

// A small file system of its own, mounted over a folder for one test: a disk that fills up,
// or one that turns read-only. Only root may mount; `mounted()` tells whether it worked.
class ScopedMount {
public:
    ScopedMount(const QString& folder, const char* tmpfsOptions);
    ~ScopedMount();
    ScopedMount(const ScopedMount&) = delete;
    ScopedMount& operator=(const ScopedMount&) = delete;

    bool mounted() const { return isMounted; }
    bool makeReadOnly();

    static constexpr const char* cannotMount = "needs root to mount a file system";

private:
    QByteArray target;
    bool isMounted = false;
};
