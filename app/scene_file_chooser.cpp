#include "app/scene_file_chooser.h"

#include <QFileDialog>

#include "core/scene/scene_reference.h"

QString chooseSceneFile(QWidget* parent) {
    QStringList patterns;
    for (const std::string_view extension : poserExtensions) {
        patterns.append(QLatin1Char('*') + QLatin1String(extension.data(), extension.size()));
    }
    const QString filter =
        QStringLiteral("Poser files (%1);;All files (*)").arg(patterns.join(QLatin1Char(' ')));
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Check a scene file"), QString(),
                                        filter);
}
