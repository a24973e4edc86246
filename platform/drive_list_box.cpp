#include "platform/drive_list_box.h"

DriveListBox::DriveListBox(DriveListControl& control, QWidget* parent)
    : QComboBox(parent), control(control) {
    for (const ::Drive& drive : control.drives()) {
        addItem(QString(QChar(drive.letter)) + u':');
    }
    control.drawWith(this);
    // Chosen by the user, with the mouse or the keys; a Change only when the drive differs.
    connect(this, &QComboBox::activated, this, &DriveListBox::choose);
}

void DriveListBox::draw(const Control& shown) {
    setCurrentIndex(findText(QString::fromStdString(shown.text())));
    setEnabled(shown.enabled());
    setVisible(shown.visible());
}

void DriveListBox::choose(int index) {
    const std::string chosen = itemText(index).toStdString();
    if (chosen == control.Drive()) {
        return;
    }
    control.takeUserText(chosen);
    emit Change();
}
