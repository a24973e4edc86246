#pragma once

#include <QComboBox>

#include "core/forms/list_controls.h"

// A drive list on screen: draws the drive list `control`, and tells when the user chose
// another drive.
class DriveListBox : public QComboBox, public ControlView {
    Q_OBJECT

public:
    DriveListBox(DriveListControl& control, QWidget* parent);

    // The chosen drive: its letter and colon, such as "c:".
    QString Drive() const { return QString::fromStdString(control.Drive()); }

    void draw(const Control& control) override;

signals:
    // The user chose another drive.
    void Change();

private:
    void choose(int index);

    DriveListControl& control;
};
