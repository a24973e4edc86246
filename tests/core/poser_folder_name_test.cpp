#include <doctest.h>

#include <utility>

#include "core/forms/form2.h"

TEST_CASE("a Poser folder is told by its own name alone") {
    const std::pair<const char*, bool> rows[] = {
        {"C:\\", false},  // a drive's root has an empty own name
        {"C:\\Programs\\Poser 5", true},
        {"D:\\MyPoser", true},
        {"C:\\POSER", true},
        {"C:\\PÓSER", false},
        {"C:\\Poser 5\\Runtime", false},
    };
    for (const auto& row : rows) {
        CAPTURE(row.first);
        CHECK(isPoserFolderName(row.first) == row.second);
    }
}
