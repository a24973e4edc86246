// The core's tests: standard C++ alone, so that the same program runs on Linux and, built with
// MinGW-w64, on Windows (under Wine here).
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>
