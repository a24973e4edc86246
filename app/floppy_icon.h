#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a floppy disk, drawn for each size rather than scaled; up to 32 pixels
// every pixel is one of the sixteen colours of the classic desktop palette.
QImage drawFloppyDisk(int size);
QIcon floppyIcon();
