#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// The pieces every help picture is made of. Sizes are device-independent pixels; pictures are
// drawn at the pixel ratio of the screen this program runs on (its scale factor), once at 1x and
// once at 2x, so they stay sharp on HiDPI screens.

QPixmap blankPicture(QSize size);

// The program's name, as each picture begins at its top left.
void drawWordmark(QPainter& painter);

// A window as the desktop shows it: its rendering under a title bar with the window's icon,
// caption and close box. Gives where the window's client area landed.
QPoint drawWindow(QPainter& painter, QPoint topLeft, QWidget& window);

// A number in a circle, centred on a point: it ties a spot in a picture to its caption.
void drawBadge(QPainter& painter, QPoint centre, int number);

// An arrow from a badge or caption to what it points at.
void drawArrow(QPainter& painter, QPointF from, QPointF to);

// A badge with an arrow from it to what it points at.
void drawCallout(QPainter& painter, QPoint badgeCentre, QPointF target, int number);

// A caption wrapped into a box, led by its badge when it has a number. Gives the height used.
int drawCaption(QPainter& painter, QRect box, const QString& text, int number = 0);

// Captions numbered from 1, one under another across the picture from `top`, then a note.
void drawCaptionList(QPainter& painter, int top, const QStringList& numbered, const QString& note);
