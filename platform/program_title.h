#pragma once

#include <QString>

// The program's name on its windows and message boxes, and its version, set by the build.
inline const QString programTitle = QStringLiteral("Poser Quobbin");
inline const QString programVersion = QStringLiteral(QUOBBIN_VERSION);
