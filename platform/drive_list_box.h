#pragma once

#include <QComboBox>

#include "core/drives/drives.h"

// A drive list: every drive Wine programs see, by letter. It starts at the drive of the
// program's current folder, as a freshly made list does.
class DriveListBox : public QComboBox {
    Q_OBJECT

public:
    DriveListBox(const Drives& drives, QWidget* parent);

    // The chosen drive: its letter and colon, such as "c:".
    QString Drive() const { return currentText(); }

    // Goes back to the drive chosen before the last Change, without a Change of its own.
    void undoChange();

signals:
    // The user chose another drive.
    void Change();

private:
    void choose(int index);

    int chosenIndex = -1;
    int previousIndex = -1;
};
