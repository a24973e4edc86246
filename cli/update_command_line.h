#pragma once

// `quobbin --update`: the window's Update without a window, for a terminal, a remote shell or
// a timer: the same walk of the stored Poser folder, the same index file. The exit status.
int updateFromCommandLine();
