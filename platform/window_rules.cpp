#include "platform/window_rules.h"

#include <QPalette>

QFont sansFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setFaceColour(QWidget* widget, const QColor& face) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void setFixedWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
    window->setFixedSize(twips(clientWidthTwips), twips(clientHeightTwips));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void setFixedDialog(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
    setFixedWindow(window, clientWidthTwips, clientHeightTwips);
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
}
