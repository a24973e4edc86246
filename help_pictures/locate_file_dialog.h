#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

class QLineEdit;

// Poser's locate-file dialog as the help pages picture it: an ordinary open-file dialog whose
// title asks for the missing file and whose file-name box holds the file's name. Built from
// real widgets so that it looks like the program's own windows beside it; never shown.
class LocateFileDialog : public QWidget {
public:
    explicit LocateFileDialog(const QString& missingFile);

    // The file-name row, its name highlighted as the user leaves it before a right click.
    QPixmap fileNameRowWithNameHighlighted();

    // The box's right-click menu with the entry that the user chooses highlighted.
    struct Menu {
        QPixmap picture;
        QRect chosenEntry;  // where the chosen entry lies in the picture
    };
    static Menu editMenu(const QString& chosen);

    QLineEdit* fileName;
};
