// `quobbin-bench scene [--megabytes M] [--references R] [--lines N] [--runs R]`, a 100 MB scene
// with 10,000 references against a 1,000,000-line index and 5 runs unless given: the scene
// check (reading the scene, finding its files, looking the missing ones up in one pass over the
// index), plain and gzip-compressed, against reading the same files with cat and zcat, all from
// the page cache. Medians of the runs; of memory, the most that a check added.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "bench/bench_support.h"
#include "core/scene/scene_check.h"
#include "tests/support/test_prefix.h"

namespace {

// The check's time in ms; `peakKb` grows to the most resident memory that a check added.
double timeCheck(const QString& scene, const QString& index, std::size_t& missing, long& peakKb) {
    const Drives drives = Drives::ofSystem();
    resetPeakRss();
    const long idleKb = peakRssKb();
    QElapsedTimer timer;
    timer.start();
    const SceneCheck check = checkScene(drives, "C:\\Poser", QFile::encodeName(scene).toStdString(),
                                        index.toStdString());
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    missing = check.missingCount();
    peakKb = std::max(peakKb, peakRssKb() - idleKb);
    return check.files.front().file.status == SceneRead::Read ? ms : -1;
}

double timeShell(const QString& command) {
    return runCommandMs(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
}

int sceneBench(const QStringList& args) {
    const long long megabytes = optionValue(args, QStringLiteral("--megabytes"), 100);
    const long long references = optionValue(args, QStringLiteral("--references"), 10000);
    const long long lines = optionValue(args, QStringLiteral("--lines"), 1000000);
    const int runs = int(std::max(3LL, optionValue(args, QStringLiteral("--runs"), 5)));
    TestPrefix prefix;
    const QString index = prefix.driveC() + QStringLiteral("/ol/oz");
    const QString scene = prefix.driveC() + QStringLiteral("/scene.pz3");
    const QString compressed = prefix.driveC() + QStringLiteral("/scene.pzz");
    QDir().mkpath(prefix.driveC() + QStringLiteral("/ol"));
    if (!runGenerator(QStringLiteral("make_index.py"),
                      {index, QStringLiteral("--lines"), QString::number(lines)}) ||
        !runGenerator(QStringLiteral("make_scene.py"),
                      {prefix.driveC() + QStringLiteral("/Poser"), scene, index,
                       QStringLiteral("--megabytes"), QString::number(megabytes),
                       QStringLiteral("--references"), QString::number(references)})) {
        std::fprintf(stderr, "scene: could not make the files with make_index.py, make_scene.py\n");
        return 1;
    }
    const QString cat = QStringLiteral("cat '%1' '%2' | cat > /dev/null").arg(scene, index);
    const QString zcat =
        QStringLiteral("{ zcat '%1'; cat '%2'; } | cat > /dev/null").arg(compressed, index);
    timeShell(cat);  // every file is now in the page cache
    timeShell(zcat);
    std::vector<double> plainMs, compressedMs, catMs, zcatMs;
    std::size_t missing = 0;
    long plainPeakKb = 0;
    long compressedPeakKb = 0;
    for (int run = 0; run < runs; ++run) {
        plainMs.push_back(timeCheck(scene, index, missing, plainPeakKb));
        compressedMs.push_back(timeCheck(compressed, index, missing, compressedPeakKb));
        catMs.push_back(timeShell(cat));
        zcatMs.push_back(timeShell(zcat));
    }
    std::printf("%lld MB, %lld references, %zu missing, %lld index lines\n", megabytes, references,
                missing, lines);
    printMeasure(QStringLiteral("scene_check_ms"), medianOf(plainMs), QStringLiteral("ms"));
    printMeasure(QStringLiteral("scene_check_gzip_ms"), medianOf(compressedMs),
                 QStringLiteral("ms"));
    printMeasure(QStringLiteral("scene_check_peak_rss_growth"), double(plainPeakKb),
                 QStringLiteral("KiB"));
    printMeasure(QStringLiteral("scene_check_gzip_peak_rss_growth"), double(compressedPeakKb),
                 QStringLiteral("KiB"));
    printMeasure(QStringLiteral("cat_ms"), medianOf(catMs), QStringLiteral("ms"));
    printMeasure(QStringLiteral("zcat_ms"), medianOf(zcatMs), QStringLiteral("ms"));
    std::printf("scene_check_ms=%.1f ratio_cat=%.2f scene_check_gzip_ms=%.1f ratio_zcat=%.2f\n",
                medianOf(plainMs), medianOf(plainMs) / medianOf(catMs), medianOf(compressedMs),
                medianOf(compressedMs) / medianOf(zcatMs));
    return 0;
}

const BenchRegistration registration("scene", sceneBench);

}  // namespace
