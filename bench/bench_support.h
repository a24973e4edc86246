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

// Runs a command to its end; its output is thrown away. Returns the wall time in ms, or a
// negative number when it crashed or exited with a status other than 0.
double runCommandMs(const QString& program, const QStringList& args);

// Runs a data generator of bench/, such as make_library.py, with Debian's Python, whatever
// other python3 comes first on the PATH. False when it failed.
bool runGenerator(const QString& script, const QStringList& args);

// Writes every dirty page to disk and empties the page cache, so that the next run reads
// from the disk. False when the cache cannot be emptied (as a user other than root).
bool dropPageCache();

double medianOf(std::vector<double> values);

// Peak resident memory of this process in KiB since the last reset.
long peakRssKb();
void resetPeakRss();

// Prints one measure line, "name=value unit", flushed at once.
void printMeasure(const QString& name, double value, const QString& unit);

// A figure for the summary line: "n/a" for a measure that was not taken (NaN).
QString figure(double value, int decimals = 1);

class Form1Window;

// One look-up of the main window: the click's handler, from the clipboard to the filled
// results box, in ms. A no-match box is closed as soon as it shows; the window paints after
// the handler, untimed.
double timeLookup(Form1Window& form, const QString& name);

// How many matches the results box lists: its lines "(n) path".
qsizetype listedMatches(const Form1Window& form);
