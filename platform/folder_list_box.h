#pragma once

#include <QListView>

#include "core/drives/drives.h"

class FolderEntries;

// A folder list on screen: the open folder's ancestors from the drive's root down, the open
// folder, then its subfolders, each entry indented one step below its parent. A single click
// only highlights an entry; a double click or Enter opens it and does nothing else. `Path` is
// always the open folder, never a merely highlighted entry.
class FolderListBox : public QListView {
    Q_OBJECT

public:
    // Opens at the program's current folder, as a freshly made list does.
    FolderListBox(const Drives& drives, QWidget* parent);

    QString Path() const;

    // Opens the folder at a drive path, or a drive's current folder for a "c:" drive text.
    // A folder that cannot be opened fails, and the list keeps its folder.
    bool setPath(const QString& drivePath);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void openEntry(const QModelIndex& entry);

    FolderEntries* entries;
};
