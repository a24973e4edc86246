#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string_view>

#include "core/text/letter_case.h"

// The text rules of core/text/letter_case.h for Qt's texts.

inline std::string_view bytesOf(QByteArrayView bytes) {
    return {bytes.data(), std::size_t(bytes.size())};
}

QString toLowerSimple(QStringView text);
QByteArray toLowerSimpleUtf8(QByteArrayView utf8);
// The same appended to `text`, with no text of its own made for ASCII.
void appendLowerSimpleUtf8(QByteArray& text, QByteArrayView utf8);

inline bool isAscii(QByteArrayView bytes) {
    return isAscii(bytesOf(bytes));
}
inline bool isValidUtf8(QByteArrayView bytes) {
    return isValidUtf8(bytesOf(bytes));
}
inline int compareFolded(QByteArrayView a, QByteArrayView b) {
    return compareFolded(bytesOf(a), bytesOf(b));
}
inline bool lowersTo(QByteArrayView utf8, QByteArrayView lowered) {
    return lowersTo(bytesOf(utf8), bytesOf(lowered));
}
