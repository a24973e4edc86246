#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <optional>

#include "core/drives/drive_paths.h"
#include "core/drives/drives.h"
#include "core/folders/folder_lists.h"

class QFontMetricsF;

// What a folder list shows: the open folder's ancestors from the drive's root down, the open
// folder, then its subfolders. A subfolder's name is taken from the folder's one read only
// when a view asks for it, so a folder with a hundred thousand subfolders opens as fast as it
// is read.
class FolderEntries : public QAbstractListModel {
public:
    static constexpr int levelRole = Qt::UserRole;  // 0 for the drive's root, 1 below it, ...

    FolderEntries(const QIcon& openFolder, const QIcon& closedFolder, QObject* parent);

    // Shows what a folder list holds, in place of what it showed.
    void show(const FolderList& list);

    int openRow() const { return ancestry ? int(ancestry->names.size()) : -1; }
    QString drivePathAt(int row) const;

    // The rows that are likeliest to be the widest in this font: the ancestors and the few
    // subfolders whose names measure widest, letter by letter.
    QList<int> likelyWidestRows(const QFontMetricsF& metrics) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    qsizetype subfolderOf(int row) const { return row - openRow() - 1; }
    QString textAt(int row) const;

    FolderList folders;
    std::optional<DrivePathParts> ancestry;  // the open folder's drive and names
    QIcon openFolder;
    QIcon closedFolder;
};
