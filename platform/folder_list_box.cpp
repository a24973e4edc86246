#include "platform/folder_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "platform/message_box.h"

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;
constexpr int indentStep = 8;  // pixels per folder level

// Shifts each entry right by its level, so the list reads as a path from the root down.
class IndentedEntries : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
    }

private:
    static int indentOf(const QModelIndex& index) {
        return index.data(levelRole).toInt() * indentStep;
    }
};

}  // namespace

FolderListBox::FolderListBox(const WineDrives& drives, QWidget* parent)
    : QListWidget(parent), folders(drives) {
    setItemDelegate(new IndentedEntries(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setPath(drives.currentFolder());
}

bool FolderListBox::setPath(const QString& drivePath) {
    if (!folders.setPath(drivePath)) {
        return false;
    }
    showFolder();
    return true;
}

void FolderListBox::showFolder() {
    clear();
    const std::optional<DrivePathParts> parts = splitDrivePath(Path());
    if (!parts) {
        return;
    }
    QStringList ancestor;
    addEntry(joinDrivePath(parts->letter, {}), joinDrivePath(parts->letter, {}), 0, true);
    for (const QString& name : parts->names) {
        ancestor.append(name);
        addEntry(name, joinDrivePath(parts->letter, ancestor), int(ancestor.size()), true);
    }
    const int openRow = count() - 1;
    const int subfolderLevel = int(parts->names.size()) + 1;
    for (qsizetype i = 0; i < folders.ListCount(); ++i) {
        const QString name = QString::fromUtf8(folders.listing()->folderName(i));
        addEntry(name, folders.List(i), subfolderLevel, false);
    }
    setCurrentRow(openRow);
    scrollToItem(item(openRow), QAbstractItemView::PositionAtTop);
}

void FolderListBox::addEntry(const QString& text, const QString& drivePath, int level, bool open) {
    auto* entry = new QListWidgetItem(
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon), text,
        this);
    entry->setData(pathRole, drivePath);
    entry->setData(levelRole, level);
}

void FolderListBox::openEntry(const QListWidgetItem* entry) {
    if (entry == nullptr) {
        return;
    }
    const QString drivePath = entry->data(pathRole).toString();
    if (setPath(drivePath)) {
        return;
    }
    MsgBoxOk(this, QStringLiteral("This folder cannot be opened:\r\n") + drivePath);
    // It may have been removed since the list was read: show what the open folder holds now.
    setPath(Path());
}

void FolderListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openEntry(currentItem());
        event->accept();  // Enter opens the entry and is no click on any button
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        openEntry(itemAt(event->position().toPoint()));
    }
    event->accept();
}
