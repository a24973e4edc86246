#pragma once

#include <QPixmap>

// The pictures of the three help pages. They are drawn when a page opens, so that the main
// window in them is the real one, in this desktop's fonts and style.

// Page 1, 500 x 500: the main window, and the three steps of setting up.
QPixmap setupPicture();

// Page 2, 500 x 600: Poser's locate-file dialog, and how to copy the missing file's name.
QPixmap fileNamePicture();

// Page 3, 500 x 500: a look-up with three matches, and how to choose one.
QPixmap findFilesPicture();
