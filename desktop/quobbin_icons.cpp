#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdio>

#include "app/floppy_icon.h"

// Draws the program's icon into a hicolor theme tree, OUTDIR/NxN/apps/NAME.png for each size,
// from the same drawing as the window's icon, so every size is drawn rather than scaled.
int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: quobbin-icons OUTDIR NAME SIZE...\n", stderr);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QByteArray(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "quobbin-icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !drawFloppyDisk(size).save(file)) {
            std::fprintf(stderr, "quobbin-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
