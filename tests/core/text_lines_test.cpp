#include "core/text/text_lines.h"

#include <doctest.h>

#include <string>
#include <vector>

#include "tests/core/temporary_folder.h"

TEST_CASE("lines end with CR LF or LF; a line too long is skipped") {
    const std::string longest(maxLineLength, 'x');
    struct Row {
        const char* name;
        std::string content;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone LF, as edited on Linux", "a\nb\n", {"a", "b"}},
        {"empty lines kept", "\r\n\nx\r\n", {"", "", "x"}},
        {"CR inside a line stays", "a\rb\r\n", {"a\rb"}},
        {"last line without its end", "a\r\nb", {"a", "b"}},
        {"empty file", "", {}},
        {"the longest line, past the buffer",
         "first\r\n" + longest + "\r\nlast",
         {"first", longest, "last"}},
        {"longer lines are skipped, ended or not",
         "a\r\n" + longest + "yy\r\nb\n" + longest + longest,
         {"a", "b"}},
    };
    const TemporaryFolder folder;
    for (const Row& row : rows) {
        CAPTURE(row.name);
        LineReader reader;
        REQUIRE(reader.open(folder.writeFile("lines", row.content)) == FileOpen::Opened);
        std::vector<std::string> read;
        for (std::string_view line; reader.readLine(line);) {
            read.emplace_back(line);
        }
        CHECK(read == row.lines);
        CHECK(readFirstLine(folder.writeFile("first", row.content)) ==
              (row.lines.empty() ? std::string() : row.lines.front()));
    }
}

TEST_CASE("a file that is missing is told from one that cannot be read") {
    const TemporaryFolder folder;
    const std::string file = folder.writeFile("file", "x");
    LineReader reader;
    CHECK(reader.open(file + ".missing") == FileOpen::Missing);
    CHECK(reader.open(file.substr(0, file.size() - 5)) == FileOpen::Unreadable);  // the folder
    CHECK(!readFirstLine(file + ".missing"));
}
