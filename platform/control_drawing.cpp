#include "platform/control_drawing.h"

#include <QAbstractButton>
#include <QLabel>

class ControlDrawing::DrawnBy final : public ControlView {
public:
    explicit DrawnBy(std::function<void(const Control&)> drawing) : drawing(std::move(drawing)) {}
    void draw(const Control& control) override { drawing(control); }

private:
    std::function<void(const Control&)> drawing;
};

namespace {

QString qText(const Control& control) {
    return QString::fromStdString(control.text());
}

}  // namespace

ControlDrawing::ControlDrawing() = default;
ControlDrawing::~ControlDrawing() = default;

void ControlDrawing::caption(Control& caption, QWidget* window) {
    draw(caption, [window](const Control& shown) { window->setWindowTitle(qText(shown)); });
}

void ControlDrawing::label(Control& label, QLabel* widget) {
    widget->setTextFormat(Qt::PlainText);
    control(label, widget, [widget](const Control& shown) { widget->setText(qText(shown)); });
}

void ControlDrawing::button(Control& button, QAbstractButton* widget) {
    control(button, widget, [widget](const Control& shown) {
        widget->setText(qText(shown));
        widget->setChecked(shown.checked());
    });
}

void ControlDrawing::control(Control& control, QWidget* widget,
                             std::function<void(const Control&)> drawText) {
    draw(control, [widget, drawText = std::move(drawText)](const Control& shown) {
        drawText(shown);
        widget->setEnabled(shown.enabled());
        widget->setVisible(shown.visible());
    });
}

void ControlDrawing::draw(Control& control, std::function<void(const Control&)> drawing) {
    views.push_back(std::make_unique<DrawnBy>(std::move(drawing)));
    control.drawWith(views.back().get());
}
