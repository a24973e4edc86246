#include "platform/folder_list_box.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/folder_entries.h"
#include "platform/message_box.h"

namespace {

constexpr int indentStep = 8;  // pixels per folder level

// Shifts each entry right by its level, so the list reads as a path from the root down.
class IndentedEntries : public QStyledItemDelegate {
public:
    IndentedEntries(const FolderEntries* entries, QObject* parent)
        : QStyledItemDelegate(parent), entries(entries) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    // Every entry takes this size, asked once per folder: an entry's height, and the widest
    // entry's width, so that the scroll bar reaches the end of every name.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        int widest = 0;
        for (const int row : entries->likelyWidestRows(QFontMetricsF(option.font))) {
            widest = std::max(widest, indentedSize(option, entries->index(row)).width());
        }
        return {widest, indentedSize(option, index).height()};
    }

private:
    QSize indentedSize(const QStyleOptionViewItem& option, const QModelIndex& index) const {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
    }

    static int indentOf(const QModelIndex& index) {
        return index.data(FolderEntries::levelRole).toInt() * indentStep;
    }

    const FolderEntries* entries;
};

}  // namespace

FolderListBox::FolderListBox(FolderListControl& control, QWidget* parent)
    : QListView(parent),
      control(control),
      entries(new FolderEntries(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                style()->standardIcon(QStyle::SP_DirClosedIcon), this)) {
    setModel(entries);
    setItemDelegate(new IndentedEntries(entries, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    control.drawWith(this);
}

QString FolderListBox::Path() const {
    return QString::fromStdString(control.Path());
}

bool FolderListBox::setPath(const QString& drivePath) {
    return control.setPath(drivePath.toStdString());
}

void FolderListBox::draw(const Control& shown) {
    entries->show(control.list());
    const QModelIndex openFolder = entries->index(entries->openRow());
    setCurrentIndex(openFolder);
    scrollTo(openFolder, QAbstractItemView::PositionAtTop);
    setEnabled(shown.enabled());
    setVisible(shown.visible());
}

void FolderListBox::openEntry(const QModelIndex& entry) {
    if (!entry.isValid()) {
        return;
    }
    const QString drivePath = entries->drivePathAt(entry.row());
    if (setPath(drivePath)) {
        return;
    }
    MsgBoxOk(this, QStringLiteral("This folder cannot be opened:\r\n") + drivePath);
    // It may have been removed since the list was read: show what the open folder holds now.
    setPath(Path());
}

void FolderListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openEntry(currentIndex());
        event->accept();  // Enter opens the entry and is no click on any button
        return;
    }
    QListView::keyPressEvent(event);
}

void FolderListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        openEntry(indexAt(event->position().toPoint()));
    }
    event->accept();
}
