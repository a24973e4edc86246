#pragma once

#include <QLineEdit>

// A one-line text box with a Click event: a press and release of the left button on it, or
// Enter or Space while it has the focus. The second half of a double click is no new click, as
// on the desktop this program comes from, so a user who double-clicks by habit starts one
// action, not two. A digit key that stands for a shortcut of the window (a number button)
// presses it rather than typing the digit.
class ClickTextBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void Click();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};
