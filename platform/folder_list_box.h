#pragma once

#include <QListView>

#include "core/forms/list_controls.h"

class FolderEntries;

// A folder list on screen: the open folder's ancestors from the drive's root down, the open
// folder, then its subfolders, each entry indented one step below its parent. A single click
// only highlights an entry; a double click or Enter opens it and does nothing else. `Path` is
// always the open folder, never a merely highlighted entry.
class FolderListBox : public QListView, public ControlView {
    Q_OBJECT

public:
    // Draws the folder list `control`, and opens the folders the user chooses in it.
    FolderListBox(FolderListControl& control, QWidget* parent);

    QString Path() const;
    bool setPath(const QString& drivePath);

    void draw(const Control& control) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void openEntry(const QModelIndex& entry);

    FolderListControl& control;
    FolderEntries* entries;
};
