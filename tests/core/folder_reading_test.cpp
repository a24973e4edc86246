#include "system/folder_reading.h"

#include <doctest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/core/temporary_folder.h"

TEST_CASE("reading a folder hands on its files and subfolders by their UTF-8 names") {
    const TemporaryFolder temporary;
    const std::string folder = temporary.makeFolder("read");
    temporary.makeFolder("read/Sub folder");
    temporary.writeFile("read/a.obj", "v 0 0 0");
    temporary.writeFile("read/Zoë.cr2", "");
    // "name/" for a folder, "name" for a file, "@" after a link
    std::vector<std::string> entries;
    const auto collect = [&entries](const FolderEntry& entry) {
        entries.push_back(std::string(entry.name) + (entry.isFolder ? "/" : "") +
                          (entry.isLink ? "@" : ""));
    };
    CHECK(readFolderEntries(folder, collect) == FolderRead::Whole);
    std::sort(entries.begin(), entries.end());
    CHECK(entries == std::vector<std::string>{"Sub folder/", "Zoë.cr2", "a.obj"});
    CHECK(readFolderEntries(folder + "/missing", collect) == FolderRead::Unopened);
    CHECK(readFolderEntries(folder + "/a.obj", collect) == FolderRead::Unopened);
    CHECK(entries.size() == 3);
}

TEST_CASE("a folder has one identity and one real path by every way to it") {
    const TemporaryFolder temporary;
    const std::string folder = temporary.makeFolder("real");
    const std::string roundabout = temporary.makeFolder("real/sub") + "/..";
    CHECK(folderIdentity(roundabout) == folderIdentity(folder));
    CHECK(folderIdentity(folder + "/sub") != folderIdentity(folder));
    CHECK(!folderIdentity(folder + "/missing"));
    const std::optional<std::string> real = realFolderPath(roundabout);
    REQUIRE(real);
    CHECK(real == realFolderPath(folder));
    CHECK(real->ends_with("real"));
    CHECK(!real->starts_with(R"(\\?\)"));  // the ordinary form, as paths are kept
    CHECK(!realFolderPath(folder + "/missing"));
}
