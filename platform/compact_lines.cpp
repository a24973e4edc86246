#include "platform/compact_lines.h"

#include <algorithm>
#include <utility>

void CompactLines::setText(QByteArray utf8) {
    bytes = std::move(utf8);
    spans.clear();
    spans.reserve(size_t(bytes.count('\n')) + 1);
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        const qsizetype length = end - start;
        spans.push_back({start, length > 0 && bytes[end - 1] == '\r' ? length - 1 : length});
        start = end + 1;
    }
    spans.push_back({start, bytes.size() - start});
    lineOffsets.clear();
}

QString CompactLines::text(TextPosition from, TextPosition to) const {
    if (from.line == to.line) {
        return line(from.line).mid(from.column, to.column - from.column);
    }
    // Gathered as UTF-8 and turned into UTF-16 once: a million lines need no third copy.
    qsizetype length = 0;
    for (qsizetype i = from.line; i <= to.line; ++i) {
        length += spans[size_t(i)].length + 1;
    }
    QByteArray utf8;
    utf8.reserve(length);
    utf8.append(line(from.line).mid(from.column).toUtf8());
    for (qsizetype i = from.line + 1; i < to.line; ++i) {
        utf8.append('\n').append(bytesOf(i));
    }
    utf8.append('\n').append(line(to.line).left(to.column).toUtf8());
    return QString::fromUtf8(utf8);
}

void CompactLines::measureLines() const {
    if (!lineOffsets.empty()) {
        return;
    }
    lineOffsets.reserve(spans.size());
    qsizetype offset = 0;
    for (qsizetype i = 0; i < count(); ++i) {
        lineOffsets.push_back(offset);
        offset += line(i).size() + 1;
    }
}

qsizetype CompactLines::offsetOf(TextPosition position) const {
    measureLines();
    return lineOffsets[size_t(position.line)] + position.column;
}

TextPosition CompactLines::positionAt(qsizetype offset) const {
    measureLines();
    const auto after = std::upper_bound(lineOffsets.begin(), lineOffsets.end(), offset);
    const qsizetype line = std::max<qsizetype>(0, after - lineOffsets.begin() - 1);
    const qsizetype column = offset - lineOffsets[size_t(line)];
    return {line, std::clamp<qsizetype>(column, 0, this->line(line).size())};
}
