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

// A tilt turns every edge of a 16-pixel image into a staircase, so the smallest disk stands
// upright with each part on whole pixels of a 16-unit grid.
void drawUprightDisk(QPainter& painter) {
    const QPolygon body({{0, 0}, {13, 0}, {15, 2}, {15, 15}, {0, 15}});
    painter.setPen(black);
    painter.setBrush(navy);
    painter.drawPolygon(body);
    painter.fillRect(4, 1, 8, 5, silver);
    painter.fillRect(9, 2, 2, 3, grey);
    painter.fillRect(3, 8, 10, 7, white);
    painter.fillRect(4, 10, 8, 1, blue);
    painter.fillRect(4, 12, 8, 1, blue);
}

QPainterPath diskOutline() {
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(22, 0);
    body.lineTo(25, 3);
    body.lineTo(25, 25);
    body.lineTo(0, 25);
    body.closeSubpath();
    return body;
}

// The tilted disk, 25 units square, drawn with hard edges at 32 pixels and smooth ones above.
// Large sizes have room for a shadow, the shutter's edge, the write-protect hole and a third
// line on the label.
void drawTiltedDisk(QPainter& painter, int size) {
    const bool detailed = size >= 48;
    const qreal line = detailed ? 0.6 : 1.0;
    const QPainterPath body = diskOutline();
    if (detailed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawPath(body.translated(0.8, 0.8));
    }
    painter.setPen(QPen(black, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(navy);
    painter.drawPath(body);

    painter.setBrush(silver);
    painter.drawRect(QRectF(6, 0, 13, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(grey);
    painter.drawRect(QRectF(14, 1.5, 3, 6));
    if (detailed) {
        painter.setBrush(white);
        painter.drawRect(QRectF(6.5, 0.5, 12, 0.8));
        painter.setBrush(black);
        painter.drawRect(QRectF(1.2, 22, 1.6, 1.6));
    }

    painter.setPen(QPen(black, line));
    painter.setBrush(white);
    painter.drawRect(QRectF(3.5, 13, 18, 12));
    painter.setPen(QPen(blue, line));
    const QList<qreal> rows = detailed ? QList<qreal>{16.5, 19.25, 22} : QList<qreal>{17, 20.5};
    for (qreal row : rows) {
        painter.drawLine(QPointF(6, row), QPointF(19, row));
    }
}

}  // namespace

QImage drawFloppyDisk(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Small icons keep hard edges, so every pixel is one of the palette's colours.
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    if (size < 24) {
        painter.scale(size / 16.0, size / 16.0);
        drawUprightDisk(painter);
        return image;
    }
    painter.translate(size / 2.0, size / 2.0);
    painter.rotate(-14);
    painter.scale(size / 32.0, size / 32.0);
    painter.translate(-12.5, -12.5);  // the disk is 25 units square, centred
    drawTiltedDisk(painter, size);
    return image;
}

QIcon floppyIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(drawFloppyDisk(size)));
    }
    return icon;
}
