#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/forms/control.h"

class QAbstractButton;
class QLabel;
class QWidget;

// Draws the controls of the core's forms on Qt widgets: each time a handler changes a control,
// its widget shows it as it stands.
class ControlDrawing {
public:
    ControlDrawing();
    ~ControlDrawing();
    ControlDrawing(const ControlDrawing&) = delete;
    ControlDrawing& operator=(const ControlDrawing&) = delete;

    // A window's caption.
    void caption(Control& caption, QWidget* window);
    void label(Control& label, QLabel* widget);
    void button(Control& button, QAbstractButton* widget);
    // Any other control: its text as `drawText` shows it, then whether it takes input and
    // whether it shows.
    void control(Control& control, QWidget* widget, std::function<void(const Control&)> drawText);

private:
    class DrawnBy;

    void draw(Control& control, std::function<void(const Control&)> drawing);

    std::vector<std::unique_ptr<DrawnBy>> views;
};
