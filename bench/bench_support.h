#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The benchmark program: `quobbin-bench NAME [options]`. Each measure registers itself under
// its name from its own file.
using BenchMain = std::function<int(const QStringList& args)>;

struct BenchRegistration {
    BenchRegistration(const char* name, const BenchMain& main);
};

QMap<QString, BenchMain>& registry();

// The value of `--option N` in args, or the fallback.
long long optionValue(const QStringList& args, const QString& option, long long fallback);

// The folder that holds the generators of benchmark data.
QString benchDataGenerators();

// Runs a command to its end; its output is thrown away. Returns the wall time in ms, or a
// negative number when it crashed or exited with a status other than 0.
double runCommandMs(const QString& program, const QStringList& args);

double medianOf(std::vector<double> values);

// Peak resident memory of this process in KiB since the last reset.
long peakRssKb();
void resetPeakRss();

// Prints one measure line, "name=value unit", flushed at once.
void printMeasure(const QString& name, double value, const QString& unit);
