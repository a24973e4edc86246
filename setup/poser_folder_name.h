#pragma once

#include <QStringView>

// Whether a folder, given as a drive path, is named as Poser's main folder: its own name, the
// text after its last backslash, holds "poser" in any letter case. Only that last part counts,
// so a drive's root and the subfolders of Poser's folder are refused.
bool isPoserFolderName(QStringView folder);
