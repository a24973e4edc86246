#include "platform/letter_case.h"

#include <QList>
#include <algorithm>
#include <cstring>

namespace {

// Decodes one code point of valid UTF-8 at text[pos] and moves pos past it.
char32_t nextCodePoint(QByteArrayView text, qsizetype& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra && pos < text.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return code;
}

// The next code point, lower-cased, and pos moved past it; ASCII takes the fast path.
char32_t nextLowered(QByteArrayView text, qsizetype& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return static_cast<unsigned char>(asciiLower(char(lead)));
    }
    return QChar::toLower(nextCodePoint(text, pos));
}

}  // namespace

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString toLowerSimple(QStringView text) {
    QString lower;
    lower.reserve(text.size());
    for (char32_t code : text.toUcs4()) {
        const char32_t lowered = QChar::toLower(code);
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
    if (isAscii(utf8)) {
        QByteArray lower(utf8.data(), utf8.size());
        std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
        return lower;
    }
    return toLowerSimple(QString::fromUtf8(utf8)).toUtf8();
}

int compareFolded(QByteArrayView a, QByteArrayView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t la = nextLowered(a, i);
        const char32_t lb = nextLowered(b, j);
        if (la != lb) {
            return la < lb ? -1 : 1;
        }
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    const int bytes = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    if (bytes != 0) {
        return bytes < 0 ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool lowersTo(QByteArrayView utf8, QByteArrayView lowered) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < utf8.size() && j < lowered.size()) {
        if (nextLowered(utf8, i) != nextCodePoint(lowered, j)) {
            return false;
        }
    }
    return i == utf8.size() && j == lowered.size();
}
