// `quobbin-bench lookup [--lines N] [--runs R]`, 1,000,000 lines and 9 runs unless given: the
// look-up of the real main window against `LC_ALL=C grep -c -i -F NAME INDEX` on the same warm
// index, for a full name, a base name, a name that many folders hold and a name that is
// absent. Medians of the runs; the summary line gives the case that fares worst against grep.
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>

#include "app/form1_window.h"
#include "bench/bench_support.h"
#include "core/lookup/index_lines.h"
#include "core/text/text_lines.h"
#include "platform/results_box.h"
#include "tests/support/test_prefix.h"

namespace {

struct LookupCase {
    QString label;
    QString name;
};

bool makeIndex(const QString& indexFile, long long lines) {
    QDir().mkpath(QFileInfo(indexFile).path());
    if (!runGenerator(QStringLiteral("make_index.py"),
                      {indexFile, QStringLiteral("--lines"), QString::number(lines)})) {
        return false;
    }
    // On disk and out of the page cache, to be read in once as a look-up after the program's
    // next start meets it; no writeback competes with the runs either.
    QFile index(indexFile);
    return index.open(QIODevice::ReadOnly) && index.size() > 0 && ::fsync(index.handle()) == 0 &&
           ::posix_fadvise(index.handle(), 0, 0, POSIX_FADV_DONTNEED) == 0;
}

// Names taken from the generated index itself, so they match whatever it holds, and a
// texture's name that many products use.
QList<LookupCase> casesFor(const QString& indexFile) {
    const QString fullName = QString::fromStdString(std::string(
        fileNamePart(readFirstLine(QFile::encodeName(indexFile).toStdString()).value_or(""))));
    return {{QStringLiteral("full"), fullName},
            {QStringLiteral("base"), fullName.section(u'.', 0, 0)},
            {QStringLiteral("common"), QStringLiteral("skin.jpg")},
            {QStringLiteral("absent"), QStringLiteral("quobbin-absent-name.obj")}};
}

// Not through runCommandMs: with its output on /dev/null grep stops at the first match, even
// with -c, so its count goes to a pipe here.
double timeGrep(const QString& name, const QString& indexFile) {
    QProcess grep;
    QElapsedTimer timer;
    timer.start();
    grep.start(QStringLiteral("grep"),
               {QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-F"), name, indexFile});
    if (!grep.waitForFinished(-1) || grep.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

int lookupBench(const QStringList& args) {
    const long long lines = optionValue(args, QStringLiteral("--lines"), 1000000);
    const int runs = int(std::max(5LL, optionValue(args, QStringLiteral("--runs"), 9)));
    TestPrefix prefix;
    const QString indexFile = prefix.driveC() + QStringLiteral("/ol/oz");
    if (!makeIndex(indexFile, lines)) {
        std::fprintf(stderr, "lookup: could not make an index with make_index.py\n");
        return 1;
    }
    const QList<LookupCase> cases = casesFor(indexFile);
    qputenv("LC_ALL", "C");                   // for grep: bytes, no locale
    timeGrep(cases.first().name, indexFile);  // the index is now in the page cache

    Form1Window form;
    form.Form_Load();
    form.show();
    QCoreApplication::processEvents();
    resetPeakRss();
    const long idleKb = peakRssKb();

    double worstLookupMs = 0;
    double worstGrepMs = 1;
    for (const LookupCase& look : cases) {
        std::vector<double> lookupMs;
        std::vector<double> grepMs;
        for (int run = 0; run < runs; ++run) {
            lookupMs.push_back(timeLookup(form, look.name));
            grepMs.push_back(timeGrep(look.name, indexFile));
        }
        std::printf("%s name %s: %lld matches\n", qPrintable(look.label), qPrintable(look.name),
                    static_cast<long long>(listedMatches(form)));
        const double lookupMedian = medianOf(lookupMs);
        const double grepMedian = medianOf(grepMs);
        printMeasure(QStringLiteral("lookup_%1_ms").arg(look.label), lookupMedian,
                     QStringLiteral("ms"));
        printMeasure(QStringLiteral("grep_%1_ms").arg(look.label), grepMedian,
                     QStringLiteral("ms"));
        if (lookupMedian / grepMedian > worstLookupMs / worstGrepMs) {
            worstLookupMs = lookupMedian;
            worstGrepMs = grepMedian;
        }
    }
    const long growthKb = peakRssKb() - idleKb;
    std::printf("lookup_ms=%.1f grep_ms=%.1f ratio_grep=%.2f rss_growth_kb=%ld\n", worstLookupMs,
                worstGrepMs, worstLookupMs / worstGrepMs, growthKb);
    return 0;
}

const BenchRegistration registration("lookup", lookupBench);

}  // namespace
