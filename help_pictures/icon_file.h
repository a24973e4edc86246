#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// A Windows icon file holding each image at its own size, each stored as PNG, which Windows
// takes in icon files since Vista and which keeps the images' transparency as drawn.
QByteArray iconFile(const QList<QImage>& images);
