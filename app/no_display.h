#pragma once

// Without a display the window cannot open. Instead of the toolkit's abort, the program then
// says in one line what to do, and ends with status 1.

// Whether a display is named at all: DISPLAY, WAYLAND_DISPLAY or a chosen QT_QPA_PLATFORM.
bool isDisplayNamed();

// Says so, and gives the exit status.
int explainNoDisplay();

// Until displayAnswered(), a named display that does not answer, or a platform plugin that is
// missing or fails, ends the program with the same line rather than the toolkit's abort.
void explainUnansweredDisplay();
void displayAnswered();
