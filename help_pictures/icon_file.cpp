#include "help_pictures/icon_file.h"

#include <QBuffer>
#include <QtEndian>

namespace {

void append16(QByteArray& bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void append32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray pngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

}  // namespace

// The header (reserved, type 1 for an icon, the count), a 16-byte entry for each image, then the
// images themselves. A width or height of 256 is written as 0.
QByteArray iconFile(const QList<QImage>& images) {
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    QByteArray header;
    append16(header, 0);
    append16(header, 1);
    append16(header, quint16(images.size()));
    QByteArray data;
    const qsizetype dataStart = headerSize + entrySize * images.size();
    for (const QImage& image : images) {
        const QByteArray png = pngOf(image);
        header.append(char(image.width() % 256));
        header.append(char(image.height() % 256));
        header.append('\0');  // no palette
        header.append('\0');
        append16(header, 1);   // colour planes
        append16(header, 32);  // bits a pixel
        append32(header, quint32(png.size()));
        append32(header, quint32(dataStart + data.size()));
        data.append(png);
    }
    return header + data;
}
