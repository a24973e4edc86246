// `quobbin-bench wine [--files N] [--lines N] [--runs R]`, 50,000 files, 1,000,000 lines and 5
// runs unless given: the Windows command line, quobbin-cli.exe, under Wine against the Linux
// program on the same drive c: of the Windows build's Wine prefix: an Update of a generated
// library, and a look-up in a generated index. Runs alternate; medians. Each Wine run pays for a
// Windows process started under Wine, measured on its own with --version: these are Wine's
// costs, not figures of Windows.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "bench/bench_support.h"

namespace {

const QString wine = QStringLiteral("/usr/lib/wine/wine64");
const QString windowsProgram = QStringLiteral(QUOBBIN_WINDOWS_PROGRAM);
const QString prefix = QStringLiteral(QUOBBIN_WINE_PREFIX);

struct Pair {
    double linuxMs;
    double wineMs;
};

// Alternating runs of the two programs with the same arguments; NaN where one failed.
Pair timePair(const QStringList& args, long long runs) {
    std::vector<double> linuxRuns, wineRuns;
    for (long long run = 0; run < runs; ++run) {
        linuxRuns.push_back(runCommandMs(QStringLiteral(QUOBBIN_PROGRAM), args));
        wineRuns.push_back(runCommandMs(wine, QStringList{windowsProgram} + args));
    }
    const auto median = [](const std::vector<double>& values) {
        return std::any_of(values.begin(), values.end(), [](double ms) { return ms < 0; })
                   ? std::nan("")
                   : medianOf(values);
    };
    return {median(linuxRuns), median(wineRuns)};
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A name the index holds: the file name of its first line.
QString firstName(const QString& indexFile) {
    QFile index(indexFile);
    if (!index.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString line = QString::fromUtf8(index.readLine()).trimmed();
    return line.section(u'\\', -1);
}

void printPair(const QString& name, const Pair& pair) {
    printMeasure(name + QStringLiteral("_linux_ms"), pair.linuxMs, QStringLiteral("ms"));
    printMeasure(name + QStringLiteral("_wine_ms"), pair.wineMs, QStringLiteral("ms"));
}

int benchWine(const QStringList& args) {
    const long long files = optionValue(args, QStringLiteral("--files"), 50000);
    const long long lines = optionValue(args, QStringLiteral("--lines"), 1000000);
    const long long runs = optionValue(args, QStringLiteral("--runs"), 5);
    if (!QFile::exists(windowsProgram) || !QDir(prefix + QStringLiteral("/drive_c")).exists()) {
        std::fprintf(stderr,
                     "wine: no %s or no Wine prefix %s: run make build-windows and "
                     "make test first\n",
                     qPrintable(windowsProgram), qPrintable(prefix));
        return 1;
    }
    qputenv("WINEPREFIX", prefix.toLocal8Bit());
    qputenv("WINEDEBUG", "-all");
    qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=");
    const QString driveC = prefix + QStringLiteral("/drive_c");
    const QString library = driveC + QStringLiteral("/Poser Bench");
    const QString dataFolder = driveC + QStringLiteral("/ol");
    QDir(library).removeRecursively();
    QDir(dataFolder).removeRecursively();
    if (!QDir().mkpath(dataFolder) ||
        !writeFile(dataFolder + QStringLiteral("/zz"), "C:\\Poser Bench\r\n") ||
        !runGenerator(QStringLiteral("make_library.py"),
                      {library, QStringLiteral("--files"), QString::number(files)})) {
        std::fprintf(stderr, "wine: could not make the library\n");
        return 1;
    }
    const Pair start = timePair({QStringLiteral("--version")}, runs);
    const Pair update = timePair({QStringLiteral("--update")}, runs);
    const QString indexFile = dataFolder + QStringLiteral("/oz");
    const QByteArray windowsIndex = readFile(indexFile);
    runCommandMs(QStringLiteral(QUOBBIN_PROGRAM), {QStringLiteral("--update")});
    const bool sameIndex = !windowsIndex.isEmpty() && windowsIndex == readFile(indexFile);
    const bool indexMade =
        runGenerator(QStringLiteral("make_index.py"),
                     {indexFile, QStringLiteral("--lines"), QString::number(lines)});
    const Pair lookup = timePair(
        {QStringLiteral("--lookup"), firstName(indexFile), QStringLiteral("--count")}, runs);
    QDir(library).removeRecursively();
    QDir(dataFolder).removeRecursively();
    if (!indexMade) {
        std::fprintf(stderr, "wine: could not make the index\n");
        return 1;
    }
    printMeasure(QStringLiteral("files"), double(files), QStringLiteral("files"));
    printMeasure(QStringLiteral("lines"), double(lines), QStringLiteral("lines"));
    printPair(QStringLiteral("start"), start);
    printPair(QStringLiteral("update"), update);
    printPair(QStringLiteral("lookup"), lookup);
    const QStringList summary{
        QStringLiteral("same_index=") + (sameIndex ? QStringLiteral("yes") : QStringLiteral("no")),
        QStringLiteral("wine_start_ms=") + figure(start.wineMs),
        QStringLiteral("update_ratio=") + figure(update.wineMs / update.linuxMs, 2),
        QStringLiteral("update_ratio_less_start=") +
            figure((update.wineMs - start.wineMs) / (update.linuxMs - start.linuxMs), 2),
        QStringLiteral("lookup_ratio=") + figure(lookup.wineMs / lookup.linuxMs, 2),
        QStringLiteral("lookup_ratio_less_start=") +
            figure((lookup.wineMs - start.wineMs) / (lookup.linuxMs - start.linuxMs), 2)};
    std::printf("%s\n", qPrintable(summary.join(u' ')));
    return sameIndex ? 0 : 1;
}

const BenchRegistration registration("wine", benchWine);

}  // namespace
