#include "cli/window_program.h"

#include <filesystem>

#include "cli/command_line.h"
#include "system/program_path.h"
#include "system/program_start.h"

namespace {

// Paths in UTF-8 on every system: the narrow ones of std::filesystem are in the ANSI code page
// on Windows.
std::filesystem::path pathOf(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

// Beside this program in the build tree; installed, in a folder of its own under libexec.
std::filesystem::path windowProgram() {
    std::error_code error;
    const std::filesystem::path own = pathOf(programPath());
    const std::filesystem::path name = pathOf(QUOBBIN_WINDOW_PROGRAM);
    const std::filesystem::path beside = own.parent_path() / name;
    return std::filesystem::exists(beside, error)
               ? beside
               : own.parent_path() / QUOBBIN_WINDOW_FROM_BINDIR / name;
}

}  // namespace

int startWindowProgram(const std::vector<std::string>& arguments) {
    const std::string window = utf8Of(windowProgram());
    const std::optional<std::string> failure = runInstead(window, arguments);
    return complain(exitNotFound,
                    "the window cannot be started: " + window + ": " + failure.value_or(""));
}
