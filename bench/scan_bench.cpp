// `quobbin-bench scan [--files N] [--runs R]`: the Update command over a generated library,
// with "Multi-task" off and on, against `find ROOT -type f` on the same warm tree.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "app/form1.h"
#include "bench/bench_support.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString poserFolder = QStringLiteral("C:\\Poser");

bool makeLibrary(const QString& root, long long files) {
    const QStringList args{benchDataGenerators() + QStringLiteral("/make_library.py"), root,
                           QStringLiteral("--files"), QString::number(files)};
    return runCommandMs(QStringLiteral("python3"), args) >= 0;
}

struct ScanRun {
    double ms = 0;
    long peakRssKb = 0;
};

// Presses "Update" and answers Yes. The time runs from the busy caption to the handler's end,
// so that the question box is not counted.
ScanRun timedUpdate(Form1& form, bool multiTask) {
    form.Check1->setChecked(multiTask);
    QElapsedTimer timer;
    const QMetaObject::Connection started =
        QObject::connect(&form, &QWidget::windowTitleChanged, [&timer](const QString& caption) {
            if (caption == QStringLiteral("Poser Quobbin  -  Working...")) {
                timer.start();
            }
        });
    MessageBoxAnswerer yes({QMessageBox::Yes});
    resetPeakRss();
    form.Command5_Click();
    ScanRun run{double(timer.nsecsElapsed()) / 1e6, peakRssKb()};
    QObject::disconnect(started);
    return run;
}

qsizetype countLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    qsizetype lines = 0;
    while (!file.atEnd()) {
        lines += file.read(1 << 20).count('\n');
    }
    return lines;
}

int scanBench(const QStringList& args) {
    const long long files = optionValue(args, QStringLiteral("--files"), 200000);
    const long long runs = std::max(5LL, optionValue(args, QStringLiteral("--runs"), 5));
    TestPrefix prefix;
    const QString root = prefix.driveC() + QStringLiteral("/Poser");
    if (!makeLibrary(root, files)) {
        std::fprintf(stderr, "could not make the library with make_library.py\n");
        return 1;
    }
    Form1 form;
    form.Form_Load();
    form.PoserDir = poserFolder;
    form.show();
    resetPeakRss();
    const long idleRssKb = peakRssKb();

    const QStringList findArgs{root, QStringLiteral("-type"), QStringLiteral("f")};
    runCommandMs(QStringLiteral("find"), findArgs);  // both read a warm tree
    timedUpdate(form, false);
    std::vector<double> scan, multiTask, find;
    long peakKb = 0;
    for (long long i = 0; i < runs; ++i) {
        find.push_back(runCommandMs(QStringLiteral("find"), findArgs));
        for (bool ticked : {false, true}) {
            const ScanRun run = timedUpdate(form, ticked);
            (ticked ? multiTask : scan).push_back(run.ms);
            peakKb = std::max(peakKb, run.peakRssKb);
        }
    }
    const double scanMs = medianOf(scan);
    const double multiTaskMs = medianOf(multiTask);
    const double findMs = medianOf(find);
    const qsizetype lines = countLines(prefix.driveC() + QStringLiteral("/ol/oz"));
    printMeasure(QStringLiteral("files"), double(files), QStringLiteral("files"));
    printMeasure(QStringLiteral("idle_rss"), double(idleRssKb), QStringLiteral("KiB"));
    printMeasure(QStringLiteral("scan_peak_rss"), double(peakKb), QStringLiteral("KiB"));
    printMeasure(QStringLiteral("scan_rss_growth"), double(peakKb - idleRssKb),
                 QStringLiteral("KiB"));
    printMeasure(QStringLiteral("scan"), scanMs, QStringLiteral("ms"));
    printMeasure(QStringLiteral("multitask"), multiTaskMs, QStringLiteral("ms"));
    printMeasure(QStringLiteral("find"), findMs, QStringLiteral("ms"));
    std::printf(
        "scan_ms=%.1f multitask_ms=%.1f find_ms=%.1f ratio_find=%.3f ratio_multitask=%.3f "
        "lines=%lld\n",
        scanMs, multiTaskMs, findMs, scanMs / findMs, multiTaskMs / scanMs, (long long)lines);
    return 0;
}

const BenchRegistration scanRegistration("scan", scanBench);

}  // namespace
