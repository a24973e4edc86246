// `quobbin-bench scan [--files N] [--runs R]`, 200,000 files and 5 runs unless given: the
// Update command over a generated library, with "Multi-task" off and on, against
// `find ROOT -type f` and, when it is installed, `fdfind -u -j8 -tf . ROOT`. Each is timed on
// a warm tree, then on a cold one, the page cache emptied before every cold run. Medians of
// the runs.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <cmath>
#include <cstdio>
#include <functional>

#include "app/form1_window.h"
#include "bench/bench_support.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString poserFolder = QStringLiteral("C:\\Poser");
const double notTaken = std::nan("");

struct ScanRun {
    double ms = 0;
    long peakRssKb = 0;
};

// Presses "Update" and answers Yes. The time runs from the busy caption to the handler's end,
// so that the question box is not counted.
ScanRun timedUpdate(Form1Window& form, bool multiTask) {
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
    form.form1.Command5_Click();
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

// One contender: a name for the measure lines and a timed run of it in ms.
struct Contender {
    QString name;
    std::function<double()> run;
};

// The medians of each contender's runs, by contender, in the order given. Before every run
// `prepare` is called; false from it, or a run that fails, ends the measure with no figures.
std::vector<double> medians(const std::vector<Contender>& contenders, long long runs,
                            const std::function<bool()>& prepare) {
    std::vector<std::vector<double>> times(contenders.size());
    for (long long i = 0; i < runs; ++i) {
        for (size_t at = 0; at < contenders.size(); ++at) {
            if (!prepare()) {
                return std::vector<double>(contenders.size(), notTaken);
            }
            const double ms = contenders[at].run();
            if (ms < 0) {
                std::fprintf(stderr, "scan: %s failed\n", qPrintable(contenders[at].name));
                return std::vector<double>(contenders.size(), notTaken);
            }
            times[at].push_back(ms);
        }
    }
    std::vector<double> result;
    result.reserve(times.size());
    for (const std::vector<double>& runTimes : times) {
        result.push_back(medianOf(runTimes));
    }
    return result;
}

void printMedians(const std::vector<Contender>& contenders, const std::vector<double>& ms,
                  const QString& suffix) {
    for (size_t at = 0; at < contenders.size(); ++at) {
        if (!std::isnan(ms[at])) {
            printMeasure(contenders[at].name + suffix, ms[at], QStringLiteral("ms"));
        }
    }
}

int scanBench(const QStringList& args) {
    const long long files = optionValue(args, QStringLiteral("--files"), 200000);
    const long long runs = std::max(5LL, optionValue(args, QStringLiteral("--runs"), 5));
    TestPrefix prefix;
    const QString root = prefix.driveC() + QStringLiteral("/Poser");
    if (!runGenerator(QStringLiteral("make_library.py"),
                      {root, QStringLiteral("--files"), QString::number(files)})) {
        std::fprintf(stderr, "scan: could not make the library with make_library.py\n");
        return 1;
    }
    Form1Window form;
    form.Form_Load();
    form.form1.PoserDir = poserFolder.toStdString();
    form.show();
    resetPeakRss();
    const long idleRssKb = peakRssKb();

    long scanPeakKb = idleRssKb;
    auto update = [&form, &scanPeakKb](bool multiTask) {
        const ScanRun run = timedUpdate(form, multiTask);
        scanPeakKb = std::max(scanPeakKb, run.peakRssKb);
        return run.ms;
    };
    std::vector<Contender> contenders{
        {QStringLiteral("scan"), [&update] { return update(false); }},
        {QStringLiteral("multitask"), [&update] { return update(true); }},
        {QStringLiteral("find"), [&root] {
             return runCommandMs(QStringLiteral("find"),
                                 {root, QStringLiteral("-type"), QStringLiteral("f")});
         }}};
    const QString fd = QStandardPaths::findExecutable(QStringLiteral("fdfind"));
    if (!fd.isEmpty()) {
        contenders.push_back({QStringLiteral("fd"), [&root, &fd] {
                                  return runCommandMs(
                                      fd, {QStringLiteral("-u"), QStringLiteral("-j8"),
                                           QStringLiteral("-tf"), QStringLiteral("."), root});
                              }});
    } else {
        std::printf("fdfind is not installed (Debian package fd-find): no fd figures\n");
    }

    for (const Contender& contender : contenders) {
        contender.run();  // untimed: reads the whole tree into the cache for the warm runs
    }
    const std::vector<double> warm = medians(contenders, runs, [] { return true; });
    const std::vector<double> cold = medians(contenders, runs, dropPageCache);
    if (std::isnan(cold[0])) {
        std::printf(
            "the page cache cannot be emptied (/proc/sys/vm/drop_caches, as root): "
            "no cold figures\n");
    }
    const double fdMs = fd.isEmpty() ? notTaken : warm[3];
    const double fdColdMs = fd.isEmpty() ? notTaken : cold[3];
    const qsizetype lines = countLines(prefix.driveC() + QStringLiteral("/ol/oz"));
    printMeasure(QStringLiteral("files"), double(files), QStringLiteral("files"));
    printMeasure(QStringLiteral("idle_rss"), double(idleRssKb), QStringLiteral("KiB"));
    printMeasure(QStringLiteral("scan_peak_rss"), double(scanPeakKb), QStringLiteral("KiB"));
    printMeasure(QStringLiteral("scan_rss_growth"), double(scanPeakKb - idleRssKb),
                 QStringLiteral("KiB"));
    printMedians(contenders, warm, QString());
    printMedians(contenders, cold, QStringLiteral("_cold"));
    const QStringList summary{
        QStringLiteral("scan_ms=") + figure(warm[0]),
        QStringLiteral("multitask_ms=") + figure(warm[1]),
        QStringLiteral("find_ms=") + figure(warm[2]),
        QStringLiteral("fd_ms=") + figure(fdMs),
        QStringLiteral("ratio_find=") + figure(warm[0] / warm[2], 3),
        QStringLiteral("ratio_fd=") + figure(warm[0] / fdMs, 3),
        QStringLiteral("ratio_multitask=") + figure(warm[1] / warm[0], 3),
        QStringLiteral("scan_cold_ms=") + figure(cold[0]),
        QStringLiteral("multitask_cold_ms=") + figure(cold[1]),
        QStringLiteral("find_cold_ms=") + figure(cold[2]),
        QStringLiteral("fd_cold_ms=") + figure(fdColdMs),
        QStringLiteral("ratio_find_cold=") + figure(cold[0] / cold[2], 3),
        QStringLiteral("ratio_fd_cold=") + figure(cold[0] / fdColdMs, 3),
        QStringLiteral("rss_growth_kb=") + QString::number(scanPeakKb - idleRssKb),
        QStringLiteral("lines=") + QString::number(lines)};
    std::printf("%s\n", qPrintable(summary.join(u' ')));
    return 0;
}

const BenchRegistration scanRegistration("scan", scanBench);

}  // namespace
