#pragma once

#include <QString>
#include <QWidget>

class DriveListBox;
class FolderListBox;
class Form1Window;
class QLabel;
class QPushButton;

// The Poser folder dialog: the user opens Poser's main folder and stores it with "Set Poser".
// Its own buttons hide it; its close box destroys it, and the next "Set" loads it afresh.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // Makes the dialog and runs its load step; it is shown by whoever made it.
    explicit Form2(Form1Window* owner);

    QString nl;

    // Controls, in the order the keyboard focus moves through them.
    QLabel* Label1;
    DriveListBox* Drive1;
    FolderListBox* Dir1;
    QPushButton* Command1;
    QPushButton* Command2;

    // Handlers of the controls.
    void Drive1_Change();
    void Command1_Click();
    void Command2_Click();

protected:
    // Escape does what "Cancel" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void createControls();

    Form1Window* owner;
};
