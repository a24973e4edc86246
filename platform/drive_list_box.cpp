#include "platform/drive_list_box.h"

DriveListBox::DriveListBox(const WineDrives& drives, QWidget* parent) : QComboBox(parent) {
    const QString currentFolder = drives.currentFolder();
    const QChar currentLetter = currentFolder.isEmpty() ? QChar() : currentFolder[0].toLower();
    for (const ::Drive& drive : drives.drives()) {
        addItem(QString(drive.letter) + u':');
        if (drive.letter == currentLetter) {
            chosenIndex = count() - 1;
        }
    }
    setCurrentIndex(chosenIndex);
    // Chosen by the user, with the mouse or the keys; a Change only when the drive differs.
    connect(this, &QComboBox::activated, this, &DriveListBox::choose);
}

void DriveListBox::choose(int index) {
    if (index == chosenIndex) {
        return;
    }
    previousIndex = chosenIndex;
    chosenIndex = index;
    emit Change();
}

void DriveListBox::undoChange() {
    chosenIndex = previousIndex;
    setCurrentIndex(chosenIndex);
}
