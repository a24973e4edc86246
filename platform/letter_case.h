#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Lower-casing maps every code point to its simple lower case, one to one, never the full
// mapping that can change a text's length ("İ" must not become "i" plus a combining dot, a
// path Wine could no longer open). ASCII takes a fast path.

inline char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

QString toLowerSimple(QStringView text);
QByteArray toLowerSimpleUtf8(QByteArrayView utf8);
// The same appended to `text`, with no text of its own made for ASCII.
void appendLowerSimpleUtf8(QByteArray& text, QByteArrayView utf8);

bool isAscii(QByteArrayView bytes);

// Strict UTF-8: no over-long forms, no surrogates, nothing past U+10FFFF, no cut sequences.
bool isValidUtf8(QByteArrayView bytes);

// Orders two UTF-8 names by their lower-cased code points; names that differ only in letter
// case are then ordered by their bytes, so the order is fixed.
int compareFolded(QByteArrayView a, QByteArrayView b);

// Whether the UTF-8 text, lower-cased, equals `lowered` (UTF-8 already in lower case). Nothing
// is built: it stops at the first code point that differs, so a million names compare fast.
// Text that is not valid UTF-8 never equals anything.
bool lowersTo(QByteArrayView utf8, QByteArrayView lowered);
