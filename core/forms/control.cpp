#include "core/forms/control.h"

void Control::setText(std::string text) {
    shownText = std::move(text);
    changed();
}

void Control::setVisible(bool visible) {
    shown = visible;
    changed();
}

void Control::setEnabled(bool enabled) {
    takesInput = enabled;
    changed();
}

void Control::setChecked(bool checked) {
    ticked = checked;
    changed();
}

void Control::drawWith(ControlView* drawer) {
    view = drawer;
    changed();
}

void Control::changed() {
    if (view != nullptr) {
        view->draw(*this);
    }
}
