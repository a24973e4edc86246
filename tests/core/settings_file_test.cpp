#include "core/settings/settings_file.h"

#include <doctest.h>

#include <string>

#include "core/text/text_lines.h"
#include "tests/core/temporary_folder.h"

TEST_CASE("the settings file holds a folder when it is longer than 5 bytes") {
    struct Row {
        const char* name;
        std::string content;
        std::optional<std::string> folder;
    };
    const Row rows[] = {
        {"empty: no folder", "", std::nullopt},
        {"5 bytes: no folder", "c:\\\r\n", std::nullopt},
        {"6 bytes: a folder", "c:\\p\r\n", "c:\\p"},
        {"first line only, LF-only line end", "C:\\Poser 5 \nC:\\Other\n", "C:\\Poser 5 "},
        {"short first line, long file", "x\r\nmore than five", "x"},
        {"a first line past the longest line: no folder", std::string(3 << 20, 'p'), std::nullopt},
        {"UTF-8", "C:\\Poser \u00E9\r\n", "C:\\Poser \u00E9"},
#ifdef _WIN32
        {"no UTF-8: the ANSI code page, 1252 under Wine", "C:\\Poser \xE9\r\n", "C:\\Poser \u00E9"},
#else
        {"no UTF-8: as it stands, the code page being UTF-8", "C:\\Poser \xE9\r\n",
         "C:\\Poser \xE9"},
#endif
    };
    const TemporaryFolder folder;
    for (const Row& row : rows) {
        CAPTURE(row.name);
        CHECK(SettingsFile(folder.writeFile("zz", row.content)).storedFolder() == row.folder);
    }
}

TEST_CASE("the settings file is made when missing and replaced whole") {
    const TemporaryFolder folder;
    const std::string path = folder.writeFile("zz", "") + "-made";
    const SettingsFile settings(path);
    CHECK(settings.ensureAndMeasure() == 0U);
    CHECK(settings.write("C:\\A much longer old Poser folder"));
    CHECK(settings.write("C:\\Poser"));
    CHECK(settings.ensureAndMeasure() == 10U);
    CHECK(readFirstLine(path) == "C:\\Poser");
    CHECK(!SettingsFile(std::string()).ensureAndMeasure());
}
