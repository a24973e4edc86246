#pragma once

#include <string>

// `quobbin --lookup NAME [--count]`: the window's look-up of NAME, its matches printed one a
// line (or only their number) instead of listed; no clipboard, no display. The exit status.
int lookUpFromCommandLine(const std::string& utf8Name, bool countOnly);
