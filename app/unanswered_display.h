#pragma once

// Until displayAnswered(), a named display that does not answer, or a platform plugin that is
// missing or fails, ends the window program with the line of explainNoDisplay() rather than the
// toolkit's abort.
void explainUnansweredDisplay();
void displayAnswered();
