#include "core/scene/scene_mender.h"

#include <optional>

#include "core/scene/reference_paths.h"
#include "core/scene/scene_lines.h"
#include "core/text/ansi_text.h"
#include "system/file_replacement.h"
#include "system/file_status.h"
#include "system/gzip_streams.h"
#include "system/host_paths.h"

namespace {

constexpr int mendedNamesTried = 99;
constexpr std::size_t writeChunk = std::size_t{256} * 1024;

struct Mend {
    const SceneReference* reference;
    std::string bytes;  // the new path, as the file's text holds it
};

std::vector<Mend> mendsOf(const SceneCheck& check) {
    const CheckedFile& checked = check.files.front();
    std::vector<Mend> mends;
    for (std::size_t r = 0; r < checked.checks.size(); ++r) {
        const ReferenceCheck& result = checked.checks[r];
        if (result.found || result.candidates.empty()) {
            continue;
        }
        std::string path = pathToWrite(result.candidates.front(), check.poserFolder);
        // A candidate's name that the file's code page cannot write is left as it was.
        std::optional<std::string> bytes =
            checked.file.ansi ? windows1252FromUtf8(path) : std::optional(std::move(path));
        if (bytes) {
            mends.push_back({&checked.file.references[r], std::move(*bytes)});
        }
    }
    return mends;
}

// The copy's bytes, compressed when the file was, to the replacement that publishes it whole.
class MendedCopy {
public:
    MendedCopy(FileReplacement& out, bool compressed) : out(out), compressed(compressed) {}

    void write(std::string_view bytes) {
        if (!compressed) {
            out.write(bytes);
            return;
        }
        deflater.deflate(bytes, pending);
        if (pending.size() >= writeChunk) {
            out.write(pending);
            pending.clear();
        }
    }

    bool commit() {
        if (compressed) {
            deflater.finish(pending);
            out.write(pending);
        }
        return out.commit();
    }

private:
    FileReplacement& out;
    bool compressed;
    GzipDeflater deflater;
    std::string pending;
};

// Whether the line still holds the reference that the check read there.
bool holdsReference(std::string_view line, const SceneReference& checked) {
    const std::optional<SceneReference> reference = referenceOnLine(line);
    return reference && reference->keyword == checked.keyword &&
           reference->start == checked.start && reference->length == checked.length;
}

MendResult::Outcome copyMended(const CheckedFile& checked, const std::vector<Mend>& mends,
                               MendedCopy& copy) {
    SceneStream stream;
    if (stream.open(checked.hostPath) != SceneRead::Read ||
        stream.isCompressed() != checked.file.compressed) {
        return MendResult::Outcome::Changed;
    }
    SceneLines lines(stream);
    auto next = mends.begin();
    for (ScenePiece piece; lines.next(piece);) {
        if (next != mends.end() && next->reference->line == lines.lineNumber() && piece.whole) {
            const SceneReference& reference = *next->reference;
            if (!holdsReference(piece.text, reference)) {
                return MendResult::Outcome::Changed;
            }
            copy.write(piece.text.substr(0, reference.start));
            copy.write(next->bytes);
            copy.write(piece.text.substr(reference.start + reference.length));
            ++next;
        } else {
            copy.write(piece.text);
        }
        copy.write(piece.end);
    }
    return stream.failure() == SceneRead::Read && next == mends.end()
               ? MendResult::Outcome::Mended
               : MendResult::Outcome::Changed;
}

}  // namespace

const char* describeMendOutcome(MendResult::Outcome outcome) {
    switch (outcome) {
        case MendResult::Outcome::Mended:
            return "a mended copy was written";
        case MendResult::Outcome::NothingToMend:
            return "no missing file has a candidate: nothing to mend";
        case MendResult::Outcome::NotRead:
            return "the file could not be read whole";
        case MendResult::Outcome::Changed:
            return "the file has changed since it was checked";
        case MendResult::Outcome::CannotWrite:
            return "no mended copy can be written beside the file";
    }
    return "";
}

std::string mendedCopyPath(const std::string& hostPath) {
    const std::size_t nameStart = hostPath.find_last_of(std::string{hostSeparator, '/'}) + 1;
    std::size_t dot = hostPath.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = hostPath.size();
    }
    const std::string stem = hostPath.substr(0, dot) + "-mended";
    const std::string extension = hostPath.substr(dot);
    for (int n = 1; n <= mendedNamesTried; ++n) {
        std::string path = stem;
        if (n > 1) {
            path += '-';
            path += std::to_string(n);
        }
        path += extension;
        if (pathKind(path) == PathKind::Missing) {
            return path;
        }
    }
    return {};
}

MendResult mendScene(const SceneCheck& check) {
    MendResult result;
    if (check.files.empty() || check.files.front().file.status != SceneRead::Read) {
        result.outcome = MendResult::Outcome::NotRead;
        return result;
    }
    const std::vector<Mend> mends = mendsOf(check);
    if (mends.empty()) {
        return result;
    }
    result.hostPath = mendedCopyPath(check.files.front().hostPath);
    FileReplacement out;
    if (result.hostPath.empty() ||
        out.start(result.hostPath, FileReplacement::Writers::Any,
                  FileReplacement::Over::NothingYet) != FileReplacement::Start::Started) {
        result.outcome = MendResult::Outcome::CannotWrite;
        return result;
    }
    MendedCopy copy(out, check.files.front().file.compressed);
    result.outcome = copyMended(check.files.front(), mends, copy);
    if (result.outcome == MendResult::Outcome::Mended && !copy.commit()) {
        result.outcome = MendResult::Outcome::CannotWrite;
    }
    if (result.outcome == MendResult::Outcome::Mended) {
        result.mended = mends.size();
    } else {
        result.hostPath.clear();
    }
    return result;
}
