#include "core/lookup/index_search.h"

#include <doctest.h>

#include <string>
#include <vector>

#include "core/lookup/index_lines.h"
#include "core/scene/index_names.h"
#include "core/text/letter_case.h"
#include "core/text/text_lines.h"
#include "tests/core/temporary_folder.h"

namespace {

// Lines that trip a search skipping through the index: names in either case, in longer names,
// as folders, with the Kelvin sign; every line end; lines about the longest, past a read's
// block; the last without a line end.
std::string trickyIndex() {
    std::string lines;
    for (const char* folder : {"", "C:\\A\\", "C:\\\u00C4\\", "C:\\key.obj\\"}) {
        for (const char* name : {"key.obj", "KEY.Obj", "\u212Aey.obj", "mykey.obj", "key.obj.bak",
                                 "key", "key.", "k\u00E9y.obj", "K\u00C9Y.OBJ"}) {
            for (const char* end : {"\r\n", "\n", "\r\r\n", "\rx\r\n"}) {
                lines += std::string(folder) + name + end;
            }
        }
    }
    const std::string longest = "C:\\" + std::string(maxLineLength - 11, 'a') + "\\key.obj";
    std::string index;
    for (int i = 0; i < 200; ++i) {
        index += lines;
    }
    index += longest + "\r\n";
    for (int i = 0; i < 600; ++i) {
        index += lines;
    }
    return index + longest + "a\\key.obj\r\n" + lines + "key.obj";
}

}  // namespace

TEST_CASE("the search through the index finds what one line after the other finds") {
    const TemporaryFolder folder;
    const std::string index = folder.writeFile("oz", trickyIndex());
    for (const char* wanted : {"Key.obj", "key", "K\u00C9Y.obj", "\u212Aey.obj"}) {
        for (const VectorWidth width : {VectorWidth::Widest, VectorWidth::Sse2}) {
            CAPTURE(wanted);
            CAPTURE(int(width));
            std::string lookname;
            appendLowerCaseUtf8(lookname, wanted);
            const FileNameMatch match(lookname, compareModeFor(wanted), width);
            std::vector<std::string> found;
            CHECK(searchIndexFile(index, match, [&](std::string_view line) {
                      found.emplace_back(line);
                  }) == IndexSearch::Searched);
            std::vector<std::string> lineByLine;
            LineReader reader;
            reader.open(index);
            for (std::string_view line; reader.readLine(line);) {
                if (match.matches(line) && isPathText(line)) {
                    lineByLine.emplace_back(line);
                }
            }
            CHECK(found == lineByLine);
            CHECK(!found.empty());
        }
    }
}

// An earlier release's index lines, in the ANSI code page: 1252 under Wine; UTF-8 itself on
// Linux, where a line that is no UTF-8 is no path.
TEST_CASE("an index line that is no UTF-8 is read in the ANSI code page") {
    const TemporaryFolder folder;
    const std::string index =
        folder.writeFile("oz", "C:\\Caf\xE9\\key.obj\r\nC:\\A\\k\xE9y.obj\r\n");
    std::vector<std::string> found;
    IndexNames scene;  // the names of a scene's missing files, sought together
    for (const std::string wanted : {"key.obj", "k\u00E9y"}) {
        searchIndexFile(index, FileNameMatch(wanted, compareModeFor(wanted)),
                        [&](std::string_view line) { found.emplace_back(line); });
        scene.add(wanted);
    }
    scene.search(index);
    found.insert(found.end(), scene.linesOf(0).begin(), scene.linesOf(0).end());
    found.insert(found.end(), scene.linesOf(1).begin(), scene.linesOf(1).end());
#ifdef _WIN32
    const std::vector<std::string> read = {"C:\\Caf\u00E9\\key.obj", "C:\\A\\k\u00E9y.obj"};
    CHECK(found == std::vector<std::string>{read[0], read[1], read[0], read[1]});
#else
    CHECK(found.empty());
#endif
}
