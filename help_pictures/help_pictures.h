#pragma once

#include <QPixmap>

// The pictures of the three help pages, drawn at the build from a real main window, in the
// window program's style, at the pixel ratio this program runs at. Their captions are the
// texts of core/forms/help_picture_texts.h, which the help pages read aloud.

// Page 1, 500 x 500: the main window, and the three steps of setting up.
QPixmap drawSetupPicture();

// Page 2, 500 x 600: Poser's locate-file dialog, and how to copy the missing file's name.
QPixmap drawFileNamePicture();

// Page 3, 500 x 500: a look-up with three matches, and how to choose one.
QPixmap drawFindFilesPicture();
