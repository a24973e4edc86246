#pragma once

class Form1Window;

// Runs the program's windows until the main window ends the program; gives the exit status.
int runMessageLoop(Form1Window& form);

// Lets the messages that wait run, as the loop would; false once the program is to end.
bool runWaitingMessages(Form1Window& form);
