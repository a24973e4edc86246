#pragma once

#include <fcntl.h>

// Opens a regular file, or a link to one, and never blocks: a FIFO, a device or a folder at the
// path is refused, also one swapped in between a look and the open. `flags` are open(2)'s; the
// descriptor is closed on exec. -1 with errno set on failure (EINVAL for no regular file).
int openRegularFile(const char* path, int flags, mode_t mode = 0);
