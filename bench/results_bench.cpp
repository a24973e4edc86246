// `quobbin-bench results [--matches N] [--runs R]`, 100,000 matches and 5 runs unless given: a
// look-up whose name matches N lines of an index that holds 100,000 other lines, from the
// click's handler to the filled results box, and the peak memory that it adds. Median of the
// runs on a warm index.
#include <QCoreApplication>
#include <cstdio>

#include "app/form1_window.h"
#include "bench/bench_support.h"
#include "platform/results_box.h"
#include "tests/support/test_prefix.h"

namespace {

// A name that the generated library never gives a file, planted in the chosen lines.
const QString matchedName = QStringLiteral("Results Probe.obj");
constexpr long long otherLines = 100000;

int resultsBench(const QStringList& args) {
    const long long matches = optionValue(args, QStringLiteral("--matches"), 100000);
    const long long runs = std::max(5LL, optionValue(args, QStringLiteral("--runs"), 5));
    TestPrefix prefix;
    prefix.makeFolder(QStringLiteral("ol"));
    if (!runGenerator(QStringLiteral("make_index.py"),
                      {prefix.driveC() + QStringLiteral("/ol/oz"), QStringLiteral("--lines"),
                       QString::number(matches + otherLines), QStringLiteral("--name"), matchedName,
                       QStringLiteral("--matches"), QString::number(matches)})) {
        std::fprintf(stderr, "results: could not make an index with make_index.py\n");
        return 1;
    }
    Form1Window form;
    form.Form_Load();
    form.show();
    QCoreApplication::processEvents();
    resetPeakRss();
    const long idleKb = peakRssKb();
    timeLookup(form, matchedName);  // untimed: the index is now in the page cache
    long growthKb = peakRssKb() - idleKb;

    std::vector<double> ms;
    for (long long i = 0; i < runs; ++i) {
        form.Text1->setPlainText(QString());  // a look-up after one that listed nothing
        QCoreApplication::processEvents();
        resetPeakRss();
        const long beforeKb = peakRssKb();
        ms.push_back(timeLookup(form, matchedName));
        growthKb = std::max(growthKb, peakRssKb() - beforeKb);
    }
    const qsizetype listed = listedMatches(form);
    if (listed != matches) {
        std::fprintf(stderr, "results: %lld matches listed, %lld expected\n",
                     static_cast<long long>(listed), matches);
        return 1;
    }
    printMeasure(QStringLiteral("matches"), double(matches), QStringLiteral("lines"));
    std::printf("results_ms=%s matches=%lld rss_growth_kb=%ld\n", qPrintable(figure(medianOf(ms))),
                matches, growthKb);
    return 0;
}

const BenchRegistration registration("results", resultsBench);

}  // namespace
