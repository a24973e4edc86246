#include "cli/window_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli/command_line.h"
#include "system/program_path.h"

namespace {

// Beside this program in the build tree; installed, in a folder of its own under libexec.
std::filesystem::path windowProgram() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(programPath()).parent_path();
    const std::filesystem::path beside = folder / "quobbin-window";
    return std::filesystem::exists(beside, error)
               ? beside
               : folder / QUOBBIN_WINDOW_FROM_BINDIR / "quobbin-window";
}

}  // namespace

int startWindowProgram(char* argv[]) {
    const std::filesystem::path window = windowProgram();
    execv(window.c_str(), argv);
    std::fprintf(stderr, "quobbin: the window cannot be started: %s: %s\n", window.c_str(),
                 std::strerror(errno));
    return exitNotFound;
}
