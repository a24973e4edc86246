#include "platform/click_text_box.h"

#include <QMouseEvent>

void ClickTextBox::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void ClickTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed = false;
    QLineEdit::mouseDoubleClickEvent(event);
}

void ClickTextBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed = false;
    QLineEdit::mouseReleaseEvent(event);
    if (clicked) {
        emit Click();
    }
}
