#include "system/standard_streams.h"

#include <io.h>
#include <windows.h>

// Files are opened as handles, which never take the standard streams' place, and the C runtime
// keeps their numbers for them, a missing one failing every write. A console is told that what
// the program writes is UTF-8, as every text of the program is.
void keepStandardStreamsTaken() {
    SetConsoleOutputCP(CP_UTF8);
}

bool isTerminal(std::FILE* stream) {
    DWORD mode = 0;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return GetConsoleMode(handle, &mode) != 0;
}
