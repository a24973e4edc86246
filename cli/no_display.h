#pragma once

// Without a display the window cannot open. Instead of the toolkit's abort, the program then
// says in one line what to do, and ends with status 1.

// Whether a display is named at all: DISPLAY, WAYLAND_DISPLAY or a chosen QT_QPA_PLATFORM.
bool isDisplayNamed();

// Says so, and gives the exit status.
int explainNoDisplay();
