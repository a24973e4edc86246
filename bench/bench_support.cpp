#include "bench/bench_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <algorithm>
#include <cstdio>

QMap<QString, BenchMain>& registry() {
    static QMap<QString, BenchMain> benches;
    return benches;
}

BenchRegistration::BenchRegistration(const char* name, const BenchMain& main) {
    registry().insert(QString::fromLatin1(name), main);
}

long long optionValue(const QStringList& args, const QString& option, long long fallback) {
    const qsizetype at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size()) {
        return fallback;
    }
    bool ok = false;
    const long long value = args[at + 1].toLongLong(&ok);
    return ok ? value : fallback;
}

QString benchDataGenerators() {
    return QStringLiteral(QUOBBIN_BENCH_DATA);
}

double runCommandMs(const QString& program, const QStringList& args) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double medianOf(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long peakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

void resetPeakRss() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly)) {
        clearRefs.write("5");  // resets the peak resident size to the current one
    }
}

void printMeasure(const QString& name, double value, const QString& unit) {
    std::printf("%s=%.1f %s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}
