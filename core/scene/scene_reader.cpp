#include "core/scene/scene_reader.h"

#include "core/scene/scene_lines.h"
#include "core/text/letter_case.h"
#include "core/text/ansi_text.h"

namespace {

// Control bytes other than the tab never stand in Poser's text. Looked at a whole piece
// without stopping early, which the compiler turns into vector code.
bool holdsControlBytes(std::string_view text) {
    bool found = false;
    for (const char c : text) {
        found |= static_cast<unsigned char>(c) < 0x20 && c != '\t';
    }
    return found;
}

// Where the text starts, past a UTF-8 byte order mark and blanks; npos when it holds no more.
std::size_t firstSign(std::string_view text) {
    return text.find_first_not_of(" \t", text.starts_with("\xEF\xBB\xBF") ? 3 : 0);
}

class Reading {
public:
    explicit Reading(SceneFile& file) : file(file) {}

    // False once the file has shown itself to be no Poser text.
    bool take(const ScenePiece& piece, std::size_t lineNumber) {
        if (holdsControlBytes(piece.text)) {
            file.status = SceneRead::Binary;
            return false;
        }
        if (!started && !piece.text.empty()) {
            const std::size_t sign = firstSign(piece.text);
            if (sign != std::string_view::npos) {
                started = true;
                if (piece.text[sign] != '{') {
                    file.status = SceneRead::NotPoserText;
                    return false;
                }
            }
        }
        utf8 = utf8 && isValidUtf8(piece.text);
        if (piece.whole) {
            takeReference(piece.text, lineNumber);
        }
        return true;
    }

    void finish() {
        if (file.status == SceneRead::Read && !started) {
            file.status = SceneRead::Empty;
        }
        file.ansi = !utf8;
        if (file.ansi) {
            for (SceneReference& reference : file.references) {
                reference.path = utf8FromWindows1252(reference.path);
            }
        }
    }

private:
    void takeReference(std::string_view line, std::size_t lineNumber) {
        std::optional<SceneReference> reference = referenceOnLine(line);
        if (!reference) {
            return;
        }
        if (file.references.size() == maxReferencesPerFile) {
            file.referencesCut = true;
            return;
        }
        reference->line = lineNumber;
        file.references.push_back(std::move(*reference));
    }

    SceneFile& file;
    bool started = false;
    bool utf8 = true;
};

}  // namespace

SceneFile readSceneFile(const std::string& hostPath) {
    SceneFile file;
    SceneStream stream;
    file.status = stream.open(hostPath);
    if (file.status != SceneRead::Read) {
        return file;
    }
    file.compressed = stream.isCompressed();
    Reading reading(file);
    SceneLines lines(stream);
    ScenePiece piece;
    while (lines.next(piece) && reading.take(piece, lines.lineNumber())) {
    }
    if (file.status == SceneRead::Read) {
        file.status = stream.failure();
    }
    reading.finish();
    return file;
}
