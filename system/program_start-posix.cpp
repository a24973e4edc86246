#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "system/program_start.h"

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::vector<std::string> programArguments(int argc, char* argv[]) {
    return {argv, argv + argc};
}

std::optional<std::string> runInstead(const std::string& path,
                                      const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    return std::string(std::strerror(errno));
}

bool isDisplayNamed() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}
