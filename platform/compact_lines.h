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

// An editable text held as lines of UTF-8 back to back, which a million lines of look-up
// results fill at the cost of their bytes and 16 bytes a line. CR LF, LF, CR and the
// Unicode line and paragraph separators all end a line, as in a text box.
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

    // Puts a text in the place of the text between two positions; gives where it ends.
    TextPosition replace(TextPosition from, TextPosition to, const QString& text);

private:
    struct Span {
        qsizetype offset;
        qsizetype length;
    };

    QByteArrayView bytesOf(qsizetype i) const {
        return {bytes.constData() + spans[size_t(i)].offset, spans[size_t(i)].length};
    }
    // The lines of a UTF-8 text that is to stand at `offset` in `bytes`.
    static std::vector<Span> splitLines(QByteArrayView utf8, qsizetype offset);
    void dropUnusedBytes();

    QByteArray bytes;  // every line, and what is left of lines since replaced
    std::vector<Span> spans;
    qsizetype unusedBytes = 0;
};
