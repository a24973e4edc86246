#include "setup/form2.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/form1_window.h"
#include "core/drives/data_files.h"
#include "core/forms/program_title.h"
#include "core/settings/settings_file.h"
#include "platform/drive_list_box.h"
#include "platform/folder_list_box.h"
#include "platform/message_box.h"
#include "platform/window_rules.h"
#include "setup/poser_folder_name.h"

Form2::Form2(Form1Window* owner) : QWidget(owner), owner(owner) {
    setWindowTitle(QString::fromStdString(programTitle));
    setFixedDialog(this, 4950, 3090);
    setFont(sansFont(8.25));
    createControls();
    Form_Load();
}

void Form2::createControls() {
    Label1 = new QLabel(QStringLiteral("Please Open your Poser Folder"), this);
    Label1->setGeometry(twipsRect(120, 120, 4455, 375));
    Label1->setFont(sansFont(9.75, true));

    Drive1 = new DriveListBox(owner->form1.drives, this);
    Drive1->setGeometry(twipsRect(120, 600, 2775, 315));
    Dir1 = new FolderListBox(owner->form1.drives, this);
    Dir1->setGeometry(twipsRect(120, 1080, 2775, 1665));

    Command1 = new QPushButton(QStringLiteral("Set Poser"), this);
    Command1->setGeometry(twipsRect(3120, 1080, 1455, 495));
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setGeometry(twipsRect(3120, 1680, 1455, 495));

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

    connect(Drive1, &DriveListBox::Change, this, &Form2::Drive1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::Form_Load() {
    nl = QStringLiteral("\r\n");
    // A stored folder that is gone, or on a drive that is not ready, leaves the list at the
    // current folder, where a user can still open Poser's folder.
    if (const std::optional<std::string> stored =
            settingsFileOf(owner->form1.drives).storedFolder()) {
        Dir1->setPath(QString::fromStdString(*stored));
    }
}

void Form2::Drive1_Change() {
    if (Dir1->setPath(Drive1->Drive())) {
        return;
    }
    MsgBoxOk(this, QStringLiteral("Drive ") + Drive1->Drive() + QStringLiteral(" is not ready."));
    Drive1->undoChange();
}

void Form2::Command1_Click() {
    const QString P = Dir1->Path();
    if (!isPoserFolderName(P)) {
        MsgBoxOk(this, QStringLiteral("ERROR: Poser Directory not found.") + nl +
                           QStringLiteral("Please OPEN your Poser Directory to continue."));
        return;
    }
    const SettingsFile settings = settingsFileOf(owner->form1.drives);
    const std::optional<std::uint64_t> length = settings.ensureAndMeasure();
    const QString notStored = QStringLiteral("The settings file ") +
                              QString::fromStdString(settingsFilePath) +
                              QStringLiteral(" cannot be written.") + nl +
                              QStringLiteral("Your Poser folder was not set.");
    if (!length) {
        MsgBoxOk(this, notStored);
        return;
    }
    if (SettingsFile::holdsFolder(*length) &&
        MsgBoxYesNo(this, QStringLiteral("Poser is already SET.") + nl +
                              QStringLiteral("Do you want to Overwrite it?")) == vbNo) {
        return;
    }
    // `PoserDir` changes only together with the stored file.
    if (!settings.write(P.toStdString())) {
        MsgBoxOk(this, notStored);
        return;
    }
    owner->form1.PoserDir = P.toStdString();
    hide();
}

void Form2::Command2_Click() {
    hide();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command2_Click();
    } else {
        QWidget::keyPressEvent(event);
    }
}
