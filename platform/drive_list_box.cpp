#include "platform/drive_list_box.h"

#include "core/text/letter_case.h"

DriveListBox::DriveListBox(const Drives& drives, QWidget* parent) : QComboBox(parent) {
    const std::string currentFolder = drives.currentFolder();
    const char currentLetter = currentFolder.empty() ? '\0' : asciiLower(currentFolder[0]);
    for (const ::Drive& drive : drives.drives()) {
        addItem(QString(QChar(drive.letter)) + u':');
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
