// LineReader over a file holding the input: the lines it gives are the text split at its line
// ends, those longer than the longest line left out.
#include <QByteArrayList>
#include <QFile>
#include <QTemporaryDir>

#include "core/text/text_lines.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr qsizetype readerChunk = qsizetype{256} * 1024;  // what LineReader reads at a time
constexpr auto longestLine = qsizetype(maxLineLength);

void appendLine(QByteArrayList& lines, QByteArrayView line) {
    line = line.endsWith('\r') ? line.chopped(1) : line;
    if (line.size() <= longestLine) {
        lines.append(line.toByteArray());
    }
}

// The lines as the reader's contract gives them: split at LF, one CR before an LF (or the end)
// dropped, a last line without its line end taken, lines past the longest left out.
QByteArrayList expectedLines(QByteArrayView text) {
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype end = text.indexOf('\n'); end >= 0; end = text.indexOf('\n', start)) {
        appendLine(lines, text.sliced(start, end - start));
        start = end + 1;
    }
    if (start < text.size()) {
        appendLine(lines, text.sliced(start));
    }
    return lines;
}

}  // namespace

// Input: two bytes of settings, then the text. The first picks a filler before the text whose
// length (the reader's chunk, or the longest line, less 16 times the second byte) puts the
// text's lines across the point where the reader refills its buffer (when the filler ends in a
// line end), grows it or finds a line too long (when it does not).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const QByteArrayView input = inputBytes(data, size);
    QByteArray text;
    if ((data[0] & 3) != 0) {
        const qsizetype near = (data[0] & 1) != 0 ? readerChunk : longestLine;
        text.fill('x', near - 16 * qsizetype(data[1]));
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
    fuzzCheck(reader.open(QFile::encodeName(path).toStdString()) == FileOpen::Opened,
              "the file opens");
    QByteArrayList lines;
    std::string_view line;
    while (reader.readLine(line)) {
        lines.append(QByteArrayView(line).toByteArray());
    }
    fuzzCheck(lines == expectedLines(text), "the lines are the text's lines");
    return 0;
}
