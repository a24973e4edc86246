#include "platform/click_text_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

bool ClickTextBox::event(QEvent* event) {
    // Left unclaimed, a digit goes to a shortcut when one is there, and is typed otherwise.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            return false;
        }
    }
    return QLineEdit::event(event);
}

void ClickTextBox::keyPressEvent(QKeyEvent* event) {
    const bool clickKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                          event->key() == Qt::Key_Space;
    if (clickKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit Click();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

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
