#pragma once

#include <QString>

// The program's own files, as drive paths. Wine resolves them the same way for Poser.
inline const QString dataFolderPath = QStringLiteral("c:\\ol");
inline const QString settingsFilePath = QStringLiteral("c:\\ol\\zz");
inline const QString indexFilePath = QStringLiteral("c:\\ol\\oz");
