#include "system/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

void keepStandardStreamsTaken() {
    constexpr int wrongWay[] = {O_WRONLY, O_RDONLY, O_RDONLY};  // for stdin, stdout, stderr
    for (int stream = 0; stream < 3; ++stream) {
        // The lowest number free is taken, and every lower one is open by then.
        if (fcntl(stream, F_GETFD) < 0 && errno == EBADF) {
            open("/dev/null", wrongWay[stream]);
        }
    }
}

bool isTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}
