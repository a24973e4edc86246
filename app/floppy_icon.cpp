#include "app/floppy_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Colours of the sixteen-colour palette that the disk uses.
const QColor navy(0, 0, 128);
const QColor blue(0, 0, 255);
const QColor silver(192, 192, 192);
const QColor grey(128, 128, 128);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);

}  // namespace

QImage drawFloppyDisk(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Small icons keep hard edges, so every pixel is one of the palette's colours.
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    painter.translate(size / 2.0, size / 2.0);
    painter.rotate(-14);
    painter.scale(size / 32.0, size / 32.0);
    painter.translate(-12.5, -12.5);  // the disk is 25 units square, centred

    const qreal line = size > 32 ? 0.6 : 1.0;
    painter.setPen(QPen(black, line));
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(22, 0);
    body.lineTo(25, 3);
    body.lineTo(25, 25);
    body.lineTo(0, 25);
    body.closeSubpath();
    painter.setBrush(navy);
    painter.drawPath(body);

    painter.setBrush(silver);
    painter.drawRect(QRectF(6, 0, 13, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(grey);
    painter.drawRect(QRectF(14, 1.5, 3, 6));

    painter.setPen(QPen(black, line));
    painter.setBrush(white);
    painter.drawRect(QRectF(3.5, 13, 18, 12));
    if (size >= 24) {
        painter.setPen(QPen(blue, line));
        painter.drawLine(QPointF(6, 17), QPointF(19, 17));
        painter.drawLine(QPointF(6, 20.5), QPointF(19, 20.5));
    }
    return image;
}

QIcon floppyIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(drawFloppyDisk(size)));
    }
    return icon;
}
