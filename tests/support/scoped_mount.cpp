#include "tests/support/scoped_mount.h"

#include <sys/mount.h>

#include <QDir>
#include <QFile>

ScopedMount::ScopedMount(const QString& folder, const char* tmpfsOptions)
    : target(QFile::encodeName(folder)) {
    QDir().mkpath(folder);
    isMounted = mount("tmpfs", target.constData(), "tmpfs", 0, tmpfsOptions) == 0;
}

ScopedMount::~ScopedMount() {
    if (isMounted) {
        umount2(target.constData(), MNT_DETACH);
    }
}

bool ScopedMount::makeReadOnly() {
    return mount(nullptr, target.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
