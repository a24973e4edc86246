#include "system/program_path.h"

#include <doctest.h>

#include <filesystem>

TEST_CASE("the program's own path names the file of this test program") {
    const std::filesystem::path path = programPath();
    CAPTURE(path.string());
    CHECK(path.is_absolute());
    CHECK((path.filename() == "core_tests" || path.filename() == "core_tests.exe"));
    CHECK(std::filesystem::is_regular_file(path));
}
