#include "platform/compact_lines.h"

#include <algorithm>
#include <utility>

namespace {

// The length of the line break that starts at `i` in UTF-8 text; 0 where none does.
qsizetype breakAt(QByteArrayView utf8, qsizetype i) {
    switch (utf8[i]) {
        case '\n':
            return 1;
        case '\r':
            return i + 1 < utf8.size() && utf8[i + 1] == '\n' ? 2 : 1;
        case '\xE2':  // U+2028 and U+2029: E2 80 A8 and E2 80 A9
            return i + 2 < utf8.size() && utf8[i + 1] == '\x80' &&
                           (utf8[i + 2] == '\xA8' || utf8[i + 2] == '\xA9')
                       ? 3
                       : 0;
        default:
            return 0;
    }
}

}  // namespace

void CompactLines::setText(QByteArray utf8) {
    bytes = std::move(utf8);
    spans = splitLines(bytes, 0);
    unusedBytes = 0;
}

std::vector<CompactLines::Span> CompactLines::splitLines(QByteArrayView utf8, qsizetype offset) {
    std::vector<Span> lines;
    lines.reserve(size_t(std::count(utf8.begin(), utf8.end(), '\n')) + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        const qsizetype breakLength = breakAt(utf8, i);
        if (breakLength == 0) {
            ++i;
            continue;
        }
        lines.push_back({offset + start, i - start});
        i += breakLength;
        start = i;
    }
    lines.push_back({offset + start, utf8.size() - start});
    return lines;
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

TextPosition CompactLines::replace(TextPosition from, TextPosition to, const QString& text) {
    const QString tail = line(to.line).mid(to.column);
    const QByteArray utf8 = (line(from.line).left(from.column) + text + tail).toUtf8();
    const std::vector<Span> lines = splitLines(utf8, bytes.size());
    bytes.append(utf8);
    const auto replaced = spans.begin() + from.line;
    const auto after = spans.begin() + to.line + 1;
    for (auto span = replaced; span != after; ++span) {
        unusedBytes += span->length;
    }
    spans.insert(spans.erase(replaced, after), lines.begin(), lines.end());
    const qsizetype endLine = from.line + qsizetype(lines.size()) - 1;
    const TextPosition end{endLine, line(endLine).size() - tail.size()};
    dropUnusedBytes();
    return end;
}

// Edits leave the lines they replaced behind; once those outweigh the text, they go.
void CompactLines::dropUnusedBytes() {
    if (unusedBytes < (1 << 20) || unusedBytes < bytes.size() / 2) {
        return;
    }
    QByteArray kept;
    kept.reserve(bytes.size() - unusedBytes);
    for (Span& span : spans) {
        const qsizetype offset = kept.size();
        kept.append(bytes.constData() + span.offset, span.length);
        span.offset = offset;
    }
    bytes = std::move(kept);
    unusedBytes = 0;
}
