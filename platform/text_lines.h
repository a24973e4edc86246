#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Text files in lines. Lines are written with CR LF; a reader takes CR LF as the line end and
// also accepts a lone LF (a file edited on Linux), dropping a CR left before it.

class LineReader {
public:
    LineReader() = default;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    ~LineReader() { close(); }

    bool open(const QString& hostPath);
    void close();

    // A file still being written may end in a line without its line end yet; such a line is
    // then not taken. Otherwise a last line without a line end is a line like any other.
    void setWholeLinesOnly(bool wholeOnly) { wholeLinesOnly = wholeOnly; }

    // The next line without its line end, valid until the next call; false at the end.
    bool readLine(QByteArrayView& line);

private:
    bool fill();

    int fd = -1;
    QByteArray buffer;  // grows only to the longest line, so memory stays bounded
    qsizetype start = 0;
    qsizetype end = 0;
    bool atEnd = false;
    bool wholeLinesOnly = false;
};

class LineWriter {
public:
    LineWriter() = default;
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    ~LineWriter() { close(); }

    // Creates the file, or empties it.
    bool open(const QString& hostPath);
    void writeLine(QByteArrayView line);
    // Only whole lines ever reach the file, so a reader never meets half a line.
    void flush();
    void close();
    bool isOpen() const { return fd >= 0; }

private:
    int fd = -1;
    QByteArray pending;
};

// The first line of a file, without its line end; empty when the file cannot be read.
std::optional<QByteArray> readFirstLine(const QString& hostPath);
