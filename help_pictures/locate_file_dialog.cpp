#include "help_pictures/locate_file_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "platform/window_rules.h"

namespace {

QWidget* lookInRow(QWidget* dialog) {
    auto* row = new QWidget(dialog);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* folder = new QComboBox(row);
    folder->addItem(dialog->style()->standardIcon(QStyle::SP_DirOpenIcon), QStringLiteral("Hair"));
    layout->addWidget(folder, 1);
    for (QStyle::StandardPixmap icon :
         {QStyle::SP_FileDialogToParent, QStyle::SP_FileDialogNewFolder,
          QStyle::SP_FileDialogListView, QStyle::SP_FileDialogDetailedView}) {
        auto* button = new QToolButton(row);
        button->setIcon(dialog->style()->standardIcon(icon));
        button->setAutoRaise(true);
        layout->addWidget(button);
    }
    return row;
}

// The folder the dialog opened: similar files, but not the missing one.
QListWidget* folderContents(QWidget* dialog) {
    auto* files = new QListWidget(dialog);
    files->setViewMode(QListView::ListMode);
    files->setFlow(QListView::TopToBottom);
    files->setWrapping(true);
    files->setIconSize({16, 16});
    files->addItem(new QListWidgetItem(dialog->style()->standardIcon(QStyle::SP_DirClosedIcon),
                                       QStringLiteral("Old")));
    for (const char* name :
         {"Braid_Brown.jpg", "Bun_Black.jpg", "CurlyHair_Blonde.jpg", "LongHair_Black.jpg",
          "LongHair_Blonde.jpg", "Ponytail_Red.jpg", "ShortHair_Grey.jpg", "ShortHair_Red.jpg"}) {
        files->addItem(new QListWidgetItem(dialog->style()->standardIcon(QStyle::SP_FileIcon),
                                           QString::fromLatin1(name)));
    }
    return files;
}

}  // namespace

LocateFileDialog::LocateFileDialog(const QString& missingFile) {
    setWindowTitle(QStringLiteral("Please locate \"%1\"").arg(missingFile));
    setFont(sansFont(8.25));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Look in:"), this), 0, 0);
    layout->addWidget(lookInRow(this), 0, 1, 1, 2);
    layout->addWidget(folderContents(this), 1, 0, 1, 3);

    fileName = new QLineEdit(missingFile, this);
    layout->addWidget(new QLabel(QStringLiteral("File name:"), this), 2, 0);
    layout->addWidget(fileName, 2, 1);
    layout->addWidget(new QPushButton(QStringLiteral("Open"), this), 2, 2);

    auto* types = new QComboBox(this);
    types->addItem(QStringLiteral("Image Files (*.jpg;*.bmp;*.tif)"));
    layout->addWidget(new QLabel(QStringLiteral("Files of type:"), this), 3, 0);
    layout->addWidget(types, 3, 1);
    layout->addWidget(new QPushButton(QStringLiteral("Cancel"), this), 3, 2);
    layout->setColumnStretch(1, 1);
    resize(440, 250);
}

QPixmap LocateFileDialog::fileNameRowWithNameHighlighted() {
    // Never shown, the dialog is no active window: give its selection the active colours.
    QPalette palette = fileName->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    fileName->setPalette(palette);
    fileName->selectAll();
    const auto* layout = static_cast<QGridLayout*>(this->layout());
    const QRect label = layout->itemAtPosition(2, 0)->geometry();
    return grab(label.united(fileName->geometry()).adjusted(-6, -4, 4, 4));
}

LocateFileDialog::Menu LocateFileDialog::editMenu(const QString& chosen) {
    QMenu menu;
    menu.setFont(sansFont(8.25));
    QAction* highlighted = nullptr;
    const QStringList entries{"Undo", "", "Cut", "Copy", "Paste", "Delete", "", "Select All"};
    for (const QString& entry : entries) {
        if (entry.isEmpty()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(entry);
        if (entry == chosen) {
            highlighted = action;
        }
    }
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    menu.setActiveAction(highlighted);
    return {menu.grab(), menu.actionGeometry(highlighted)};
}
