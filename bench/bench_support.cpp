#include "bench/bench_support.h"

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/form1_window.h"
#include "platform/clipboard.h"
#include "platform/results_box.h"

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

bool runGenerator(const QString& script, const QStringList& args) {
    const QString generator = QStringLiteral(QUOBBIN_BENCH_DATA "/") + script;
    return runCommandMs(QStringLiteral("/usr/bin/python3"), QStringList{generator} + args) >= 0;
}

bool dropPageCache() {
    ::sync();
    QFile dropCaches(QStringLiteral("/proc/sys/vm/drop_caches"));
    return dropCaches.open(QIODevice::WriteOnly) && dropCaches.write("3") == 1 &&
           dropCaches.flush();
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

QString figure(double value, int decimals) {
    return std::isnan(value) ? QStringLiteral("n/a") : QString::number(value, 'f', decimals);
}

double timeLookup(Form1Window& form, const QString& name) {
    setClipboardText(name);
    QTimer closeBox;
    closeBox.setInterval(0);
    QObject::connect(&closeBox, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
        }
    });
    closeBox.start();
    QElapsedTimer timer;
    timer.start();
    form.form1.Text2_Click();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    return ms;
}

qsizetype listedMatches(const Form1Window& form) {
    const QString results = form.Text1->toPlainText();
    qsizetype matches = 0;
    for (const QStringView line : QStringTokenizer(results, u'\n')) {
        matches += line.startsWith(u'(');
    }
    return matches;
}
