#include "fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt warns of every file name holding a NUL, and fuzzed names hold many: its messages would
// bury the fuzzer's own. A fatal message still ends the run.
const QtMessageHandler qtMessages =
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

}  // namespace

void fuzzCheck(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Broken: %s\n", property);
        std::abort();
    }
}

FuzzPrefix::FuzzPrefix() {
    const QString prefix = temporary.path() + QStringLiteral("/wine");
    const QString driveD = temporary.path() + QStringLiteral("/data");
    QDir().mkpath(prefix + QStringLiteral("/dosdevices"));
    QDir().mkpath(driveC() + QStringLiteral("/ol"));
    QDir().mkpath(driveC() + QStringLiteral("/Content/Poser 5/Runtime/Textures"));
    QDir().mkpath(driveD + QStringLiteral("/Library/Poses"));
    QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
    QFile::link(driveD, prefix + QStringLiteral("/dosdevices/d:"));
    qputenv("WINEPREFIX", prefix.toUtf8());
    wine = Drives::ofSystem();
}

const FuzzPrefix& fuzzPrefix() {
    static const FuzzPrefix prefix;
    return prefix;
}
