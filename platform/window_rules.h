#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

// Layouts are given in twips: 15 twips are one pixel at 96 dots per inch.
constexpr int twips(int value) {
    return (value + 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

// MS Sans Serif and Tahoma are not on Linux: a sans-serif face that is, at the same size.
QFont sansFont(double points, bool bold = false);

// Colours a widget's face (buttons) or text (labels, check boxes) keeps on any style.
void setFaceColour(QWidget* widget, const QColor& face);
void setTextColour(QWidget* widget, const QColor& text, const QColor& background = {});

// A window that exists at most once: created and loaded on its first showing, shown again as
// it was when hidden, brought forward when visible. Its close box destroys it.
template <typename Form, typename... Args>
Form* showForm(QPointer<Form>& form, Args&&... args) {
    if (form.isNull()) {
        form = new Form(std::forward<Args>(args)...);
        form->setAttribute(Qt::WA_DeleteOnClose);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form.data();
}

// A fixed border with only the close box.
void setFixedWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips);

// The same border on a window that another owns: a dialog kept with its owner, out of the
// task bar.
void setFixedDialog(QWidget* window, int clientWidthTwips, int clientHeightTwips);
