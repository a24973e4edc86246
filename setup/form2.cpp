#include "setup/form2.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/drive_list_box.h"
#include "platform/folder_list_box.h"
#include "platform/message_box.h"
#include "platform/window_rules.h"

Form2Window::Form2Window(Form1& form1, QWidget* owner) : QWidget(owner), form2(form1, *this) {
    setFixedDialog(this, 4950, 3090);
    setFont(sansFont(8.25));
    createControls();
}

void Form2Window::createControls() {
    drawing.caption(form2.Caption, this);
    Label1 = new QLabel(this);
    Label1->setGeometry(twipsRect(120, 120, 4455, 375));
    Label1->setFont(sansFont(9.75, true));
    drawing.label(form2.Label1, Label1);

    Drive1 = new DriveListBox(form2.Drive1, this);
    Drive1->setGeometry(twipsRect(120, 600, 2775, 315));
    Dir1 = new FolderListBox(form2.Dir1, this);
    Dir1->setGeometry(twipsRect(120, 1080, 2775, 1665));

    Command1 = new QPushButton(this);
    Command1->setGeometry(twipsRect(3120, 1080, 1455, 495));
    drawing.button(form2.Command1, Command1);
    Command2 = new QPushButton(this);
    Command2->setGeometry(twipsRect(3120, 1680, 1455, 495));
    drawing.button(form2.Command2, Command2);

    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Drive1->setAccessibleDescription(QStringLiteral("The drive that holds your Poser folder"));
    Dir1->setAccessibleName(QStringLiteral("Folder"));
    Dir1->setAccessibleDescription(
        QStringLiteral("Open your Poser folder here: Enter or a double click opens a folder"));
    Command1->setAccessibleDescription(
        QStringLiteral("Stores the opened folder as your Poser folder and closes the dialog"));
    Command2->setAccessibleDescription(
        QStringLiteral("Closes the dialog without storing anything"));
    Label1->setAccessibleDescription(QStringLiteral("What the dialog asks of you"));

    connect(Drive1, &DriveListBox::Change, this, [this] { form2.Drive1_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { form2.Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { form2.Command2_Click(); });
}

int Form2Window::MsgBox(const std::string& text, MsgBoxButtons buttons) {
    return showMessageBox(this, text, buttons);
}

void Form2Window::Hide() {
    hide();
}

void Form2Window::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        form2.Command2_Click();
    } else {
        QWidget::keyPressEvent(event);
    }
}
