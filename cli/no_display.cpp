#include "cli/no_display.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int noDisplayStatus = 1;

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool isDisplayNamed() {
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

int explainNoDisplay() {
    std::fputs(
        "quobbin: no display to show the window on: run it on a desktop, or use "
        "quobbin --update or quobbin --lookup NAME, which need none\n",
        stderr);
    std::fflush(stderr);
    return noDisplayStatus;
}
