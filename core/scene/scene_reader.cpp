#include "core/scene/scene_reader.h"

#include "core/scene/scene_lines.h"
#include "core/text/ansi_text.h"
#include "core/text/letter_case.h"

namespace {

// What the bytes of a piece are: control bytes other than the tab never stand in Poser's text,
// and only text beyond ASCII needs to be checked as UTF-8. One loop over the piece without
// stopping early: a line's bytes are few, and most lines are passed over in whole blocks
// before they get here.
struct Bytes {
    bool control = false;
    bool beyondAscii = false;
};

Bytes bytesOf(std::string_view text) {
    bool control = false;
    unsigned char all = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        control |= byte < 0x20 && byte != '\t';
        all |= byte;
    }
    return {control, (all & 0x80) != 0};
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
        const Bytes bytes = piece.plainText ? Bytes{} : bytesOf(piece.text);
        if (bytes.control) {
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
        utf8 = utf8 && (!bytes.beyondAscii || isValidUtf8(piece.text));
        if (piece.whole) {
            takeReference(piece.text, lineNumber);
        }
        return true;
    }

    // Whether the file's first sign was read: past it only references are looked for.
    bool hasStarted() const { return started; }

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
        if (reading.hasStarted()) {
            lines.passOver(referenceFirstBytes());
        }
    }
    if (file.status == SceneRead::Read) {
        file.status = stream.failure();
    }
    reading.finish();
    return file;
}
