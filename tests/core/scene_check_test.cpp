#include "core/scene/scene_check.h"

#include <doctest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/scene/scene_mender.h"
#include "core/text/letter_case.h"
#include "system/gzip_streams.h"
#include "tests/core/temporary_folder.h"

namespace {

// The scene's lines, with every kind of line end; the comments say where Poser finds each file.
const std::string sceneText =
    "{\r\n"
    "figureResFile :Runtime:Geometries:Acme:body.obj\r\n"             // there
    "objFileGeom 0 0 :Runtime:Geometries:Acme:moved.obj\n"            // moved
    "\ttextureMap \"lashes.jpg\"\r"                                   // by name under Textures
    "\tbumpMap :Acme:skin.jpg\r\n"                                    // there
    "readScript \":runtime:LIBRARIES:pose:acme:inj.pz2\"\r\n"         // there, read in
    "\t\tfile \"C:/Poser/Runtime/Textures/Acme/skin.jpg\"\n"          // there
    "objFile 1 Macintosh HD:P4:Runtime:Geometries:Acme:body.obj\r\n"  // there
    "textureMap \"\\\\NAS\\x\\til\xC3\xA9.jpg\" \r\n"                 // elsewhere
    "morphBinaryFile :Runtime:Acme:blend\r\n"  // no extension: any blend.* is a candidate
    "}";

// Reads itself in again, and another missing file.
const std::string injection =
    "{\nreadScript :Runtime:libraries:Pose:Acme:inj.pz2\n"
    "injectPMDFileMorphs :Runtime:libraries:Pose:Acme:gone.pmd\n}\n";

const char* const indexLines[] = {
    "C:\\Elsewhere\\moved.obj",
    "C:\\Poser\\Runtime\\Geometries\\Acme2\\moved.obj",
    "C:\\Backup\\Geometries\\Acme\\MOVED.OBJ",
    "C:\\Poser\\Runtime\\Geometries\\Acme\\body.obj",
    "C:\\Other\\lashes.jpg",
    "C:\\Poser\\Runtime\\Textures\\Acme\\Lashes.JPG",
    "C:\\Poser\\Runtime\\Textures\\Tiles\\TIL\xC3\x89.JPG",  // a letter beyond ASCII in upper case
    "C:\\Elsewhere\\blend.pmd",
};

// A Poser folder on drive c: and an index of it; the files that the index lists are there.
struct Library {
    TemporaryFolder root;
    Drives drives{{{'c', root.makeFolder("")}}};
    std::string index;

    Library() {
        for (const char* folder :
             {"Elsewhere", "Backup", "Backup/Geometries", "Backup/Geometries/Acme", "Poser",
              "Poser/Runtime", "Poser/Runtime/Geometries", "Poser/Runtime/Geometries/Acme",
              "Poser/Runtime/Geometries/Acme2", "Poser/Runtime/Textures",
              "Poser/Runtime/Textures/Acme", "Poser/Runtime/Textures/Tiles",
              "Poser/Runtime/libraries", "Poser/Runtime/libraries/Pose",
              "Poser/Runtime/libraries/Pose/Acme"}) {
            root.makeFolder(folder);
        }
        std::string lines;
        for (std::string line : indexLines) {
            lines += line + "\r\n";
            std::replace(line.begin(), line.end(), '\\', '/');
            root.writeFile(line.substr(3), "");
        }
        root.writeFile("Poser/Runtime/Textures/Acme/skin.jpg", "");
        root.writeFile("Poser/Runtime/libraries/Pose/Acme/inj.pz2", injection);
        index = root.writeFile("oz", lines);
    }

    std::string scene(std::string_view name, const std::string& content) const {
        return root.writeFile(name, content);
    }
};

std::string gzipped(std::string_view text) {
    std::string gzip;
    GzipDeflater deflater;
    deflater.deflate(text, gzip);
    deflater.finish(gzip);
    return gzip;
}

std::string contentOf(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace

TEST_CASE("a scene's files are found as Poser finds them, the missing ones with candidates") {
    const Library library;
    const SceneCheck check =
        checkScene(library.drives, "c:\\poser\\", library.scene("s.pz3", sceneText), library.index);
    REQUIRE(check.files.size() == 2);  // the injection once, though it reads itself in
    CHECK(check.index == IndexSearch::Searched);
    std::vector<std::string> found;
    for (const CheckedFile& checked : check.files) {
        CHECK(checked.file.status == SceneRead::Read);
        for (const ReferenceCheck& result : checked.checks) {
            std::string drivePath;  // Windows keeps the written letter case
            appendLowerCaseUtf8(drivePath, result.found ? result.drivePath : "missing");
            found.push_back(drivePath);
        }
    }
    const std::vector<std::string> expected = {
        "c:\\poser\\runtime\\geometries\\acme\\body.obj",
        "missing",
        "c:\\poser\\runtime\\textures\\acme\\lashes.jpg",
        "c:\\poser\\runtime\\textures\\acme\\skin.jpg",
        "c:\\poser\\runtime\\libraries\\pose\\acme\\inj.pz2",
        "c:\\poser\\runtime\\textures\\acme\\skin.jpg",
        "c:\\poser\\runtime\\geometries\\acme\\body.obj",
        "missing",
        "missing",
        "c:\\poser\\runtime\\libraries\\pose\\acme\\inj.pz2",
        "missing",
    };
    CHECK(found == expected);
    CHECK(check.missingCount() == 4);
    const std::vector<std::string> moved = {indexLines[2], indexLines[0], indexLines[1]};
    CHECK(check.files[0].checks[1].candidates == moved);
    CHECK(check.files[0].checks[7].candidates == std::vector<std::string>{indexLines[6]});
    CHECK(check.files[0].checks[8].candidates == std::vector<std::string>{indexLines[7]});
    CHECK(check.files[1].checks[1].candidates.empty());
    CHECK_FALSE(
        checkScene(library.drives, "c:\\nowhere", library.index, library.index).poserFolderFound);
}

TEST_CASE("a mended copy names the candidates, byte for byte the same elsewhere") {
    const Library library;
    std::string mendedText = sceneText;
    mendedText.replace(mendedText.find(":Runtime:Geometries:Acme:moved.obj"), 34,
                       "C:\\Backup\\Geometries\\Acme\\MOVED.OBJ");
    mendedText.replace(mendedText.find("\\\\NAS\\x\\til\xC3\xA9.jpg"), 17,
                       ":Runtime:Textures:Tiles:TIL\xC3\x89.JPG");
    mendedText.replace(mendedText.find(":Runtime:Acme:blend"), 19, "C:\\Elsewhere\\blend.pmd");
    for (const bool compressed : {false, true}) {
        CAPTURE(compressed);
        const std::string original = compressed ? gzipped(sceneText) : sceneText;
        const std::string scene = library.scene(compressed ? "s.pzz" : "s.pz3", original);
        const SceneCheck check = checkScene(library.drives, "C:\\Poser", scene, library.index);
        const MendResult mend = mendScene(check);
        CHECK(mend.outcome == MendResult::Outcome::Mended);
        CHECK(mend.mended == 3);
        CHECK(contentOf(scene) == original);
        const SceneCheck mended =
            checkScene(library.drives, "C:\\Poser", mend.hostPath, library.index);
        CHECK(mended.files[0].file.compressed == compressed);
        CHECK(mended.missingCount() == 1);  // gone.pmd, which has no candidate
        CHECK(mended.files[0].checks.size() == check.files[0].checks.size());
        if (!compressed) {
            CHECK(contentOf(mend.hostPath) == mendedText);
        }
        const MendResult again = mendScene(check);
        CHECK(again.hostPath != mend.hostPath);
        CHECK(contentOf(mend.hostPath) == contentOf(again.hostPath));
    }
}

TEST_CASE("a mended copy of a Windows-1252 file names the candidate in that code page") {
    const Library library;
    library.root.writeFile("Elsewhere/\u00E9t\u00E9.jpg", "");
    const std::string index =
        library.root.writeFile("oz-ansi", "C:\\Elsewhere\\\u00E9t\u00E9.jpg\r\n");
    const std::string scene = library.scene("ansi.pz2", "{\r\ntextureMap :Acme:\xE9t\xE9.jpg\r\n}");
    const SceneCheck check = checkScene(library.drives, "C:\\Poser", scene, index);
    CHECK(check.files[0].file.ansi);
    CHECK(check.files[0].checks[0].candidates.size() == 1);
    const MendResult mend = mendScene(check);
    CHECK(contentOf(mend.hostPath) == "{\r\ntextureMap C:\\Elsewhere\\\xE9t\xE9.jpg\r\n}");
}
