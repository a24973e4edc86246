#include "help_pictures/picture_drawing.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QWidget>
#include <cmath>

#include "platform/window_rules.h"

namespace {

const QColor calloutRed(200, 0, 0);
const QColor wordmarkBlue(0, 0, 255);  // as the main window writes the program's name
constexpr int titleBarHeight = 22;
constexpr int borderWidth = 3;
constexpr int badgeRadius = 10;

void drawCloseBox(QPainter& painter, QRect box) {
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(212, 208, 200));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1.6));
    const QRect cross = box.adjusted(5, 4, -5, -5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

}  // namespace

QPixmap blankPicture(QSize size) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    return picture;
}

void drawWordmark(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(sansFont(12, true));
    const QRect poser =
        painter.boundingRect(QRect(10, 8, 100, 30), Qt::AlignBottom, QStringLiteral("Poser"));
    painter.drawText(poser, Qt::AlignBottom, QStringLiteral("Poser"));
    painter.setPen(wordmarkBlue);
    painter.setFont(sansFont(20, true));
    painter.drawText(QRect(poser.right() + 6, 4, 160, 34), Qt::AlignBottom | Qt::AlignLeft,
                     QStringLiteral("Quobbin"));
    painter.restore();
}

QPoint drawWindow(QPainter& painter, QPoint topLeft, QWidget& window) {
    const QPixmap client = window.grab();
    const QSize clientSize = client.deviceIndependentSize().toSize();
    const QRect frame(topLeft,
                      clientSize + QSize(2 * borderWidth, 2 * borderWidth + titleBarHeight));
    painter.save();
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(212, 208, 200));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));

    const QRect titleBar(frame.left() + borderWidth, frame.top() + borderWidth, clientSize.width(),
                         titleBarHeight - 2);
    QLinearGradient title(titleBar.topLeft(), titleBar.topRight());
    title.setColorAt(0, QColor(10, 36, 106));
    title.setColorAt(1, QColor(166, 202, 240));
    painter.fillRect(titleBar, title);
    int captionLeft = 4;
    if (!window.windowIcon().isNull()) {
        painter.drawPixmap(QRect(titleBar.left() + 2, titleBar.top() + 2, 16, 16),
                           window.windowIcon().pixmap(16));
        captionLeft = 22;
    }
    painter.setPen(Qt::white);
    painter.setFont(sansFont(8.25, true));
    painter.drawText(titleBar.adjusted(captionLeft, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    drawCloseBox(painter, QRect(titleBar.right() - 18, titleBar.top() + 2, 16, 14));

    const QPoint clientTopLeft(titleBar.left(), titleBar.bottom() + 3);
    painter.drawPixmap(QRect(clientTopLeft, clientSize), client);
    painter.restore();
    return clientTopLeft;
}

void drawBadge(QPainter& painter, QPoint centre, int number) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(calloutRed);
    painter.drawEllipse(centre, badgeRadius, badgeRadius);
    painter.setFont(sansFont(9, true));
    painter.drawText(
        QRect(centre - QPoint(badgeRadius, badgeRadius), QSize(2 * badgeRadius, 2 * badgeRadius)),
        Qt::AlignCenter, QString::number(number));
    painter.restore();
}

void drawArrow(QPainter& painter, QPointF from, QPointF to) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double headLength = 9;
    const double headHalfAngle = 0.45;
    const QPointF back1 = to - QPointF(std::cos(angle - headHalfAngle) * headLength,
                                       std::sin(angle - headHalfAngle) * headLength);
    const QPointF back2 = to - QPointF(std::cos(angle + headHalfAngle) * headLength,
                                       std::sin(angle + headHalfAngle) * headLength);
    painter.setPen(QPen(calloutRed, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, (back1 + back2) / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(calloutRed);
    painter.drawPolygon(QPolygonF{to, back1, back2});
    painter.restore();
}

int drawCaption(QPainter& painter, QRect box, const QString& text, int number) {
    painter.save();
    QRect textBox = box;
    if (number > 0) {
        drawBadge(painter, box.topLeft() + QPoint(badgeRadius, badgeRadius - 1), number);
        textBox.setLeft(box.left() + 2 * badgeRadius + 6);
    }
    painter.setPen(Qt::black);
    painter.setFont(sansFont(9.75));
    const QRect used =
        painter.boundingRect(textBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.restore();
    return std::max(used.height(), number > 0 ? 2 * badgeRadius : 0);
}

void drawCallout(QPainter& painter, QPoint badgeCentre, QPointF target, int number) {
    drawArrow(painter, badgeCentre, target);
    drawBadge(painter, badgeCentre, number);
}

void drawCaptionList(QPainter& painter, int top, const QStringList& numbered, const QString& note) {
    const int gap = 6;
    QRect caption(10, top, 480, 60);
    for (int number = 1; number <= numbered.size(); ++number) {
        caption.translate(0, gap + drawCaption(painter, caption, numbered[number - 1], number));
    }
    drawCaption(painter, caption.translated(0, 4), note);
}
