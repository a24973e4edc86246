#pragma once

#include <QLineEdit>

// A one-line text box with a Click event: a press and release of the left button on it.
// The second half of a double click is no new click, as on the desktop this program comes
// from, so a user who double-clicks by habit starts one action, not two.
class ClickTextBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};
