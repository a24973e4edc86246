#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a tilted floppy disk, drawn for each size rather than scaled, in the
// sixteen colours of the classic desktop palette.
QImage drawFloppyDisk(int size);
QIcon floppyIcon();
