#pragma once

#include <QWidget>

#include "core/forms/form2.h"
#include "platform/control_drawing.h"

class DriveListBox;
class FolderListBox;
class QLabel;
class QPushButton;

// The Poser folder dialog as Qt draws it: its controls show the state that `form2`'s handlers
// leave, and their events reach those handlers. Its close box destroys it, and the next "Set"
// loads it afresh.
class Form2Window : public QWidget, public Form2Host {
    Q_OBJECT

public:
    // Makes the dialog and runs its load step; it is shown by whoever made it.
    Form2Window(Form1& form1, QWidget* owner);

    Form2 form2;

    // Controls, in the order the keyboard focus moves through them.
    QLabel* Label1;
    DriveListBox* Drive1;
    FolderListBox* Dir1;
    QPushButton* Command1;
    QPushButton* Command2;

    int MsgBox(const std::string& text, MsgBoxButtons buttons) override;
    void Hide() override;

protected:
    // Escape does what "Cancel" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();

    ControlDrawing drawing;
};
