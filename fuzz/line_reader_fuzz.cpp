// LineReader over a file holding the input: the lines it gives are the text split at its line
// ends, and none keeps a line end.
#include <QByteArrayList>
#include <QFile>
#include <QTemporaryDir>

#include "fuzz/fuzz_support.h"
#include "platform/text_lines.h"

namespace {

constexpr qsizetype readerChunk = qsizetype{256} * 1024;  // what LineReader reads at a time

// The lines as the reader's contract gives them: split at LF, one CR before an LF dropped, a
// last line without its line end taken unless only whole lines are wanted.
QByteArrayList expectedLines(QByteArrayView text, bool wholeLinesOnly) {
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype end = text.indexOf('\n'); end >= 0; end = text.indexOf('\n', start)) {
        QByteArrayView line = text.sliced(start, end - start);
        lines.append(line.endsWith('\r') ? line.chopped(1).toByteArray() : line.toByteArray());
        start = end + 1;
    }
    if (start < text.size() && !wholeLinesOnly) {
        lines.append(text.sliced(start).toByteArray());
    }
    return lines;
}

}  // namespace

// Input: two bytes of settings, then the text. The first picks whole lines only, and a filler
// before the text whose length (the reader's chunk less 16 times the second byte) puts the
// text's lines across the point where the reader refills its buffer (when the filler ends in a
// line end) or grows it (when it does not).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const QByteArrayView input = inputBytes(data, size);
    const bool wholeLinesOnly = (data[0] & 1) != 0;
    QByteArray text;
    if ((data[0] & 2) != 0) {
        text.fill('x', readerChunk - 16 * qsizetype(data[1]));
        if ((data[0] & 4) != 0) {
            text.back() = '\n';
        }
    }
    text += input.sliced(2);

    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lines"));
    QFile file(path);
    fuzzCheck(
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size(),
        "the file is written");
    file.close();

    LineReader reader;
    reader.setWholeLinesOnly(wholeLinesOnly);
    fuzzCheck(reader.open(path), "the file opens");
    QByteArrayList lines;
    QByteArrayView line;
    while (reader.readLine(line)) {
        lines.append(line.toByteArray());
    }
    fuzzCheck(lines == expectedLines(text, wholeLinesOnly), "the lines are the text's lines");
    for (const QByteArray& each : lines) {
        fuzzCheck(!each.contains('\n') && !each.endsWith('\r'), "a line keeps no line end");
    }
    return 0;
}
