#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Text files in lines. Lines are written with CR LF; a reader takes CR LF as the line end and
// also accepts a lone LF (a file edited on Linux), dropping a CR left before it.

// No line the program writes comes near this; a longer one is no line of its files, and
// skipping it keeps memory bounded whatever a file holds.
constexpr qsizetype maxLineLength = qsizetype{1024} * 1024;

enum class FileOpen { Opened, Missing, Unreadable };

class LineReader {
public:
    LineReader() = default;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    ~LineReader() { close(); }

    // Opens a regular file (or a link to one) for reading; anything else is unreadable.
    FileOpen open(const QString& hostPath);
    void close();

    // The next line without its line end, valid until the next call; false at the end. A last
    // line without a line end is a line like any other; lines longer than maxLineLength are
    // skipped.
    bool readLine(QByteArrayView& line);

    // The next lines, many at once for a search that skips through them: the lines readLine
    // would give, each with its line end (the file's last line may have none), valid until the
    // next call; false at the end. lineHolding takes a line out of them.
    bool readLines(QByteArrayView& lines);

private:
    bool fill();
    bool takeLine(qsizetype lineEnd, QByteArrayView& line);

    int fd = -1;
    QByteArray buffer;  // holds at most one line and a read ahead of it
    qsizetype start = 0;
    qsizetype end = 0;
    bool atEnd = false;
    bool skipping = false;  // inside a line that is too long
};

// The line of `lines` (as readLines gives them) that holds the byte at `at`, without its line
// end, as readLine gives it; `next` is set to where the line after it starts.
QByteArrayView lineHolding(QByteArrayView lines, qsizetype at, qsizetype& next);

// The first line of a file, without its line end; empty when the file cannot be read or its
// first line is too long. Reads no more of the file than that line.
std::optional<QByteArray> readFirstLine(const QString& hostPath);
