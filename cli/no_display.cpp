#include "cli/no_display.h"

#include <cstdio>

namespace {

constexpr int noDisplayStatus = 1;

}  // namespace

int explainNoDisplay() {
    std::fputs(
        "quobbin: no display to show the window on: run it on a desktop, or use "
        "quobbin --update or quobbin --lookup NAME, which need none\n",
        stderr);
    std::fflush(stderr);
    return noDisplayStatus;
}
