#include "system/file_status.h"

#include <doctest.h>

#include <filesystem>
#include <string>

#include "tests/core/temporary_folder.h"

// A link that leads nowhere is there, yet names neither a folder nor a file.
TEST_CASE("a path names a folder, a file, something else or nothing, links followed") {
    const TemporaryFolder temporary;
    const std::string folder = temporary.makeFolder("folder");
    const std::string file = temporary.writeFile("file", "x");
    // MinGW's C++ library makes no links: there the link rows are skipped.
    std::error_code noLinks;
    const auto link = [&](const std::string& target, const char* name) {
        std::filesystem::create_symlink(target, folder + name, noLinks);
        return folder + name;
    };
    struct Row {
        const char* name;
        std::string path;
        PathKind kind;
        bool isLink = false;
    };
    const Row rows[] = {
        {"a folder", folder, PathKind::Folder},
        {"a file", file, PathKind::File},
#ifdef _WIN32
        {"a device", "NUL", PathKind::Other},
#else
        {"a device", "/dev/null", PathKind::Other},
#endif
        {"nothing", file + "/x", PathKind::Missing},
        {"a link to a folder", link(folder, "/to folder"), PathKind::Folder, true},
        {"a link to nothing", link(folder + "/gone", "/to nothing"), PathKind::Other, true},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        if (!row.isLink || !noLinks) {
            CHECK(pathKind(row.path) == row.kind);
        }
    }
}
