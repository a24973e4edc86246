#pragma once

#include <QString>

// The program's name on its windows and message boxes, and its version, set by the build: as the
// window's caption shows it, and as released, packaged and told by --version.
inline const QString programTitle = QStringLiteral("Poser Quobbin");
inline const QString programVersion = QStringLiteral(QUOBBIN_VERSION);
inline const QString releaseVersion = QStringLiteral(QUOBBIN_RELEASE);
