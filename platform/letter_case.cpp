#include "platform/letter_case.h"

#include <QList>
#include <algorithm>
#include <cstring>

namespace {

// A byte that starts no valid UTF-8 sequence decodes to a value above every code point, one per
// byte: such text then never equals valid text, and still orders in a fixed way.
constexpr char32_t invalidBase = 0x110000;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one code point at text[pos] and moves pos past it. Over-long forms, surrogates, code
// points past U+10FFFF and cut sequences are invalid: each of their bytes decodes on its own.
char32_t nextCodePoint(QByteArrayView text, qsizetype& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || pos + extra > text.size()) {
        return invalidBase + lead;
    }
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) {
            return invalidBase + lead;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < shortest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return invalidBase + lead;
    }
    pos += extra;
    return code;
}

// The next code point, lower-cased, and pos moved past it; ASCII takes the fast path.
char32_t nextLowered(QByteArrayView text, qsizetype& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return static_cast<unsigned char>(asciiLower(char(lead)));
    }
    const char32_t code = nextCodePoint(text, pos);
    return code < invalidBase ? QChar::toLower(code) : code;
}

}  // namespace

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(QByteArrayView bytes) {
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;  // ASCII, most of an index, without the decoder's call
        } else if (nextCodePoint(bytes, pos) >= invalidBase) {
            return false;
        }
    }
    return true;
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
    QByteArray lower;
    appendLowerSimpleUtf8(lower, utf8);
    return lower;
}

void appendLowerSimpleUtf8(QByteArray& text, QByteArrayView utf8) {
    if (!isAscii(utf8)) {
        text += toLowerSimple(QString::fromUtf8(utf8)).toUtf8();
        return;
    }
    const qsizetype from = text.size();
    text += utf8;
    std::transform(text.begin() + from, text.end(), text.begin() + from, asciiLower);
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
        const char32_t code = nextLowered(utf8, i);
        if (code >= invalidBase || code != nextCodePoint(lowered, j)) {
            return false;
        }
    }
    return i == utf8.size() && j == lowered.size();
}
