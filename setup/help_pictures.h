#pragma once

#include <QPixmap>
#include <QString>

// The pictures of the three help pages. They are drawn when a page opens, so that the main
// window in them is the real one, in this desktop's fonts and style.

// A picture with its text alternative: in short what it shows, then its captions, numbered
// as in the picture.
struct HelpPicture {
    QPixmap picture;
    QString summary;
    QString captions;
};

// Page 1, 500 x 500: the main window, and the three steps of setting up.
HelpPicture setupPicture();

// Page 2, 500 x 600: Poser's locate-file dialog, and how to copy the missing file's name.
HelpPicture fileNamePicture();

// Page 3, 500 x 500: a look-up with three matches, and how to choose one.
HelpPicture findFilesPicture();
