#pragma once

#include <QString>

class QWidget;

// Asks for a Poser file to check, in a file chooser over `parent` (none: a window of its own);
// its host path, or empty when the user cancelled.
QString chooseSceneFile(QWidget* parent);
