#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>
#include <utility>

#include "app/floppy_icon.h"
#include "core/forms/help_picture_texts.h"
#include "help_pictures/help_pictures.h"
#include "help_pictures/icon_file.h"

namespace {

QString fileName(const QString& folder, const HelpPictureTexts& picture, const QString& ending) {
    return folder + QLatin1Char('/') + QString::fromUtf8(picture.file) + ending;
}

// NAME.png at 1x with NAME.bmp, 24 bits a pixel, for Windows resources; NAME@2x.png at 2x.
bool save(const QPixmap& drawn, const QString& folder, const HelpPictureTexts& picture, int ratio) {
    const QImage image = drawn.toImage();
    if (ratio != 1) {
        return image.save(fileName(folder, picture, QStringLiteral("@%1x.png").arg(ratio)));
    }
    return image.save(fileName(folder, picture, QStringLiteral(".png"))) &&
           image.convertToFormat(QImage::Format_RGB888)
               .save(fileName(folder, picture, QStringLiteral(".bmp")));
}

// The program's icon for a Windows program's resources: the sizes a window and its task bar
// button show at 96 dots per inch and at twice that.
bool saveIcon(const QString& folder) {
    QFile icon(folder + QStringLiteral("/floppy.ico"));
    const QByteArray bytes =
        iconFile({drawFloppyDisk(16), drawFloppyDisk(32), drawFloppyDisk(48), drawFloppyDisk(64)});
    return icon.open(QIODevice::WriteOnly) && icon.write(bytes) == bytes.size() && icon.flush();
}

}  // namespace

// Draws the help pages' pictures into OUTDIR at the pixel ratio RATIO, without a display, in
// the window program's style, so that the window program only shows them.
int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: quobbin-help-pictures OUTDIR RATIO\n", stderr);
        return 2;
    }
    bool isNumber = false;
    const int ratio = QByteArray(argv[2]).toInt(&isNumber);
    if (!isNumber || ratio <= 0) {
        std::fprintf(stderr, "quobbin-help-pictures: not a ratio: %s\n", argv[2]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const std::pair<const HelpPictureTexts&, QPixmap (*)()> pictures[] = {
        {setupPicture, drawSetupPicture},
        {fileNamePicture, drawFileNamePicture},
        {findFilesPicture, drawFindFilesPicture}};
    for (const auto& [picture, draw] : pictures) {
        if (!QDir().mkpath(folder) || !save(draw(), folder, picture, ratio)) {
            std::fprintf(stderr, "quobbin-help-pictures: cannot write into %s\n",
                         qPrintable(folder));
            return 1;
        }
    }
    if (ratio == 1 && !saveIcon(folder)) {
        std::fprintf(stderr, "quobbin-help-pictures: cannot write into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
