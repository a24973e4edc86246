#pragma once

#include <QByteArray>
#include <QString>
#include <compare>
#include <vector>

// A place in a text: its line, and the UTF-16 code units before it on that line.
struct TextPosition {
    qsizetype line = 0;
    qsizetype column = 0;
    // clang-tidy 14 takes the 0 of the generated comparison for a null pointer.
    auto operator<=>(const TextPosition&) const = default;  // NOLINT(modernize-use-nullptr)
};

// A text held as lines of UTF-8 back to back, which a million lines of look-up results fill at
// the cost of their bytes and 16 bytes a line. Only LF ends a line, and a CR just before it is
// dropped: a file name may hold any other line or paragraph separator, and each path stays
// one line.
class CompactLines {
public:
    CompactLines() { setText(QByteArray()); }

    // The text in UTF-8, taken over without a copy: a million lines of results then cost
    // their bytes once.
    void setText(QByteArray utf8);
    // The whole text, its lines joined by LF.
    QString text() const { return text({}, end()); }
    QString text(TextPosition from, TextPosition to) const;

    qsizetype count() const { return qsizetype(spans.size()); }
    QString line(qsizetype i) const { return QString::fromUtf8(bytesOf(i)); }
    TextPosition end() const { return {count() - 1, line(count() - 1).size()}; }

    // A position as the UTF-16 code units of the whole text before it, each line end one, and
    // back. The first call on a text measures every line; only assistive technology asks.
    qsizetype offsetOf(TextPosition position) const;
    TextPosition positionAt(qsizetype offset) const;

private:
    struct Span {
        qsizetype offset;
        qsizetype length;
    };

    QByteArrayView bytesOf(qsizetype i) const {
        return {bytes.constData() + spans[size_t(i)].offset, spans[size_t(i)].length};
    }
    void measureLines() const;

    QByteArray bytes;
    std::vector<Span> spans;
    mutable std::vector<qsizetype> lineOffsets;  // where each line starts; empty until asked
};
