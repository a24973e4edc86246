#include "platform/letter_case.h"

#include <QList>
#include <algorithm>
#include <string>

QString toLowerSimple(QStringView text) {
    QString lower;
    lower.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        const char32_t lowered = lowerCase(code);
        if (QChar::requiresSurrogates(lowered)) {
            lower.append(QChar(QChar::highSurrogate(lowered)));
            lower.append(QChar(QChar::lowSurrogate(lowered)));
        } else {
            lower.append(QChar(char16_t(lowered)));
        }
    }
    return lower;
}

QByteArray toLowerSimpleUtf8(QByteArrayView utf8) {
    QByteArray lower;
    appendLowerSimpleUtf8(lower, utf8);
    return lower;
}

void appendLowerSimpleUtf8(QByteArray& text, QByteArrayView utf8) {
    if (isAscii(utf8)) {
        const qsizetype from = text.size();
        text += utf8;
        std::transform(text.begin() + from, text.end(), text.begin() + from, asciiLower);
        return;
    }
    std::string lower;
    appendLowerCaseUtf8(lower, bytesOf(utf8));
    text.append(lower.data(), qsizetype(lower.size()));
}
