#pragma once

// Without a display the window cannot open. Instead of the toolkit's abort, the program then
// says in one line what to do, and ends with status 1.

// Says so, and gives the exit status.
int explainNoDisplay();
