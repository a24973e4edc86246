#include "core/drives/drives.h"

#include <doctest.h>

#include <string>

#include "core/drives/drive_paths.h"
#include "system/host_paths.h"
#include "tests/core/temporary_folder.h"

namespace {

// A host path below `root`, with "/" in `relative` as the host's separator.
std::string below(const std::string& root, std::string relative) {
    for (char& c : relative) {
        c = c == '/' ? hostSeparator : c;
    }
    return relative.empty() ? root : root + hostSeparator + relative;
}

}  // namespace

TEST_CASE("a drive path resolves below its drive's root, and never above it") {
    const TemporaryFolder temporary;
    const std::string root = temporary.makeFolder("q");
    temporary.makeFolder("q/Poser");
    temporary.makeFolder("q/Poser/Runtime");
    const Drives drives({{'q', root}});
    struct Row {
        const char* drivePath;
        const char* hostRelative;
        const char* reported;
    };
    const Row rows[] = {
        {"q:\\Poser\\Runtime", "Poser/Runtime", "Q:\\Poser\\Runtime"},
        {"Q:\\Poser\\New\\x.obj", "Poser/New/x.obj", "Q:\\Poser\\New\\x.obj"},
        {"q:\\..\\Poser\\.\\Runtime\\..\\Runtime\\", "Poser/Runtime", "Q:\\Poser\\Runtime"},
        {"q:\\Poser/../../Runtime", "Runtime", "Q:\\Runtime"},
        {"q:\\", "", "Q:\\"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.drivePath);
        const std::optional<ResolvedPath> resolved = drives.resolve(row.drivePath);
        REQUIRE(resolved);
        CHECK(resolved->hostPath == below(root, row.hostRelative));
        CHECK(resolved->drivePath == row.reported);
    }
    for (const char* unknown : {"p:\\Poser", "q:Poser", "Poser", "", "\\\\server\\share"}) {
        CAPTURE(unknown);
        CHECK(!drives.resolve(unknown));
    }
}

TEST_CASE("a host folder is told under the deepest drive root that holds it") {
    const TemporaryFolder temporary;
    const std::string root = temporary.makeFolder("c");
    const std::string poser = temporary.makeFolder("c/Poser");
    temporary.makeFolder("c/Poser/Runtime");
    temporary.makeFolder("c/Poser2");
    const std::string elsewhere = temporary.makeFolder("elsewhere");
    const Drives drives({{'d', poser}, {'c', root}, {'y', root}});
    struct Row {
        std::string host;
        const char* drivePath;
    };
    const Row rows[] = {
        {below(root, "Poser/Runtime"), "D:\\Runtime"},
        {below(root, "Poser2"), "C:\\Poser2"},  // a root holds whole names only
        {root, "C:\\"},                         // the lower letter of a shared root
        {elsewhere, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.host);
        CHECK(drives.toDrivePath(row.host) == row.drivePath);
    }
}

TEST_CASE("only a drive path goes to the clipboard") {
    const std::pair<const char*, bool> rows[] = {
        {"c:\\x", true}, {"\xc3\xa9:\\x", true},  // the second character, not byte
        {"c:", false},   {"c:/x", false},        {"\\\\server\\x", false}, {"", false},
    };
    for (const auto& row : rows) {
        CAPTURE(row.first);
        CHECK(isDrivePath(row.first) == row.second);
    }
}
