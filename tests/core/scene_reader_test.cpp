#include "core/scene/scene_reader.h"

#include <doctest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/text_lines.h"
#include "system/gzip_streams.h"
#include "tests/core/temporary_folder.h"

namespace {

// An example Poser file of tests/core/scenes, its path in UTF-8.
std::string sceneFile(std::string_view name) {
    return std::string(QUOBBIN_TEST_SCENES) + "/" + std::string(name);
}

// The references that references.tsv lists, file by file, as "line keyword path"; values that
// name no file are left out, as the reader leaves them.
std::map<std::string, std::vector<std::string>> listedReferences() {
    std::map<std::string, std::vector<std::string>> listed;
    std::ifstream list(std::filesystem::u8path(sceneFile("references.tsv")));
    std::string row;
    std::getline(list, row);  // the heading
    while (std::getline(list, row)) {
        std::vector<std::string> columns;
        std::istringstream fields(row);
        for (std::string column; std::getline(fields, column, '\t');) {
            columns.push_back(column);
        }
        if (!columns[5].starts_with("none") && !columns[5].starts_with("string resource")) {
            listed[columns[0]].push_back(columns[2] + ' ' + columns[3] + ' ' + columns[4]);
        }
    }
    return listed;
}

}  // namespace

TEST_CASE("every example is read with the references its list gives") {
    std::map<std::string, std::vector<std::string>> listed = listedReferences();
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::u8path(sceneFile("")))) {
        const std::string name = entry.path().filename().string();
        if (name == "references.tsv" || name == "README.md") {
            continue;
        }
        CAPTURE(name);
        const SceneFile file = readSceneFile(sceneFile(name));
        CHECK(file.status == SceneRead::Read);
        CHECK(file.compressed == name.ends_with('z'));
        CHECK(file.ansi == name.starts_with("pose-ansi"));
        std::vector<std::string> read;
        for (const SceneReference& reference : file.references) {
            read.push_back(std::to_string(reference.line) + ' ' + reference.keyword + ' ' +
                           reference.path);
        }
        CHECK(read == listed[name]);
    }
}

TEST_CASE("a file that is no Poser text is refused with its reason") {
    const TemporaryFolder folder;
    std::string bomb;
    GzipDeflater deflater;
    const std::string member = [] {
        std::string gzip;
        GzipDeflater one;
        one.deflate("{\n" + std::string(std::size_t{1} << 20, 'a'), gzip);
        one.finish(gzip);
        return gzip;
    }();
    for (int i = 0; i < 100; ++i) {
        bomb += member;  // a hundred members read as one stream, a thousand-fold
    }
    std::string scene;
    deflater.deflate("{\nfigureResFile :Runtime:a.obj\n}\n", scene);
    deflater.finish(scene);
    std::string damaged = scene;
    damaged[damaged.size() - 8] ^= 0x55;  // its check sum
    struct Row {
        const char* name;
        std::string content;
        SceneRead read;
    };
    const Row rows[] = {
        {"empty", "", SceneRead::Empty},
        {"blank", " \r\n\t\n\r", SceneRead::Empty},
        {"no brace", "figureResFile :Runtime:a.obj\n", SceneRead::NotPoserText},
        {"junk", std::string("\x7f\x45\x4c\x46\x02\x01\x01\x00", 8), SceneRead::Binary},
        {"zero byte", std::string("{\nfile a\0.jpg\n}\n", 16), SceneRead::Binary},
        {"gzip cut short", scene.substr(0, scene.size() - 6), SceneRead::CutShort},
        {"gzip header only", "\x1f\x8b", SceneRead::CutShort},
        {"gzip damaged", damaged, SceneRead::Damaged},
        {"gzip then junk", scene + "junk", SceneRead::Damaged},
        {"gzip bomb", bomb, SceneRead::ExpandsTooFar},
        {"gzip, fine", scene, SceneRead::Read},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        const SceneFile file = readSceneFile(folder.writeFile(row.name, row.content));
        CHECK(file.status == row.read);
    }
    CHECK(readSceneFile(folder.makeFolder("folder")).status == SceneRead::Folder);
    CHECK(readSceneFile(folder.writeFile("gone", "") + "x").status == SceneRead::Missing);
#ifndef _WIN32
    CHECK(readSceneFile("/dev/null").status == SceneRead::NotAFile);
#endif
}

TEST_CASE("long lines are passed over and references are capped") {
    const TemporaryFolder folder;
    std::string text = "{\r\nfile " + std::string(maxLineLength, 'x') + ".jpg\r\n";
    for (std::size_t i = 0; i <= maxReferencesPerFile; ++i) {
        text += "file b.jpg\r";
    }
    const SceneFile file = readSceneFile(folder.writeFile("many.pz3", text));
    CHECK(file.references.size() == maxReferencesPerFile);
    CHECK(file.referencesCut);
    CHECK(file.references.front().line == 3);
    CHECK(file.references.back().line == maxReferencesPerFile + 2);
}

TEST_CASE("a line reads alike wherever it stands in a large file") {
    const TemporaryFolder folder;
    // Keyframes, such as most of a scene is, put each line at another place in the reads.
    const std::string keyframe = "\t\tk 1 0.5\r\n";
    const std::string lines[] = {
        "file a.jpg\rtextureMap b.jpg\r\nbumpMap \"c d.jpg\"\n\tobjFileGeom 0 0 :R:e.obj\r\r\n",
        "  file caf\xC3\xA9.jpg\r\n",
        "file caf\xE9.jpg\r\n",
        "file a.jpg\r\nfile b\x01.jpg\r\nfile c.jpg\r\n",
        "file a.jpg\r\n\r\nfile b.jpg\n",
    };
    std::string keyframes;
    for (int i = 0; i < 400; ++i) {
        keyframes += keyframe;
    }
    for (const std::string& line : lines) {
        // Alone, the line lies in a file too short for the checks of whole blocks.
        const SceneFile alone = readSceneFile(folder.writeFile("alone.pz2", "{\r\n" + line));
        for (const std::size_t before : {370, 371, 372, 23831, 23832}) {
            CAPTURE(line);
            CAPTURE(before);
            std::string text = "{\r\n";
            for (std::size_t i = 0; i < before; ++i) {
                text += keyframe;
            }
            text += line;
            text += keyframes;
            const SceneFile file = readSceneFile(folder.writeFile("large.pz2", text));
            CHECK(file.status == alone.status);
            CHECK(file.ansi == alone.ansi);
            REQUIRE(file.references.size() == alone.references.size());
            for (std::size_t r = 0; r < file.references.size(); ++r) {
                CHECK(file.references[r].line == alone.references[r].line + before);
                CHECK(file.references[r].path == alone.references[r].path);
            }
        }
    }
}
