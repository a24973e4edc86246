#pragma once

#include <string>

class Control;

// A window front end draws a control through this, each time a handler changes it.
class ControlView {
public:
    virtual void draw(const Control& control) = 0;

protected:
    ~ControlView() = default;
};

// What a window shows of a control (its text or caption, whether it shows, whether it takes
// input, whether it is ticked), as the handlers leave it. The handlers are written once over
// these; each front end draws them with its own toolkit.
class Control {
public:
    explicit Control(std::string text = {}) : shownText(std::move(text)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& text() const { return shownText; }
    bool visible() const { return shown; }
    bool enabled() const { return takesInput; }
    bool checked() const { return ticked; }

    void setText(std::string text);
    void setVisible(bool visible);
    void setEnabled(bool enabled);
    void setChecked(bool checked);

    // The front end: who draws the control, drawn at once as it stands.
    void drawWith(ControlView* view);
    // What the user typed or ticked: already shown, so not drawn again.
    void takeUserText(std::string text) { shownText = std::move(text); }
    void takeUserCheck(bool checked) { ticked = checked; }

private:
    void changed();

    std::string shownText;
    bool shown = true;
    bool takesInput = true;
    bool ticked = false;
    ControlView* view = nullptr;
};
