#pragma once

#include <windows.h>

#include <string>

// Asks for a Poser file to check, in the system's open-file dialog over `owner` (none: a window
// of its own); its path, or empty when the user cancelled.
std::string chooseSceneFile(HWND owner);
