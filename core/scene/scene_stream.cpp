#include "core/scene/scene_stream.h"

#include <algorithm>

#include "system/file_status.h"

namespace {

constexpr std::size_t rawChunk = std::size_t{256} * 1024;

// Poser's text shrinks ten- to fifty-fold; a file that grows a thousand-fold is a trap, which is
// stopped once it has grown past what any scene of its size holds.
constexpr std::uint64_t expansionAllowed = 256;
constexpr std::uint64_t expansionFloor = std::uint64_t{64} * 1024 * 1024;

}  // namespace

const char* describeSceneRead(SceneRead read) {
    switch (read) {
        case SceneRead::Read:
            return "the file was read";
        case SceneRead::Missing:
            return "the file is missing";
        case SceneRead::Folder:
            return "a folder stands there, not a file";
        case SceneRead::NotAFile:
            return "it is no regular file";
        case SceneRead::Unreadable:
            return "the file cannot be read";
        case SceneRead::Empty:
            return "the file is empty";
        case SceneRead::NotPoserText:
            return "the file is no Poser file: it does not begin with \"{\"";
        case SceneRead::Binary:
            return "the file holds binary data, not text";
        case SceneRead::Damaged:
            return "the compressed data is damaged";
        case SceneRead::CutShort:
            return "the compressed data is cut short";
        case SceneRead::ExpandsTooFar:
            return "the compressed data expands beyond any scene's size";
    }
    return "";
}

SceneRead SceneStream::open(const std::string& hostPath) {
    switch (pathKind(hostPath)) {
        case PathKind::Missing:
            return SceneRead::Missing;
        case PathKind::Folder:
            return SceneRead::Folder;
        case PathKind::Other:
            return SceneRead::NotAFile;
        case PathKind::File:
            break;
    }
    switch (file.open(hostPath)) {
        case ReadableFile::Open::Missing:
            return SceneRead::Missing;
        case ReadableFile::Open::Unreadable:
            return SceneRead::Unreadable;
        case ReadableFile::Open::Opened:
            break;
    }
    while (raw.size() < 2 && readRaw()) {
    }
    compressed = raw.size() >= 2 && raw[0] == '\x1f' && raw[1] == '\x8b';
    inflatedBound = expansionFloor + expansionAllowed * file.size().value_or(0);
    return failed;
}

bool SceneStream::readRaw() {
    raw.erase(0, rawStart);
    rawStart = 0;
    return readFile(raw, rawChunk);
}

bool SceneStream::readFile(std::string& into, std::size_t count) {
    if (rawEnded) {
        return false;
    }
    const std::size_t before = into.size();
    into.resize(before + count);
    const std::ptrdiff_t got = file.read(into.data() + before, count);
    into.resize(before + std::size_t(got > 0 ? got : 0));
    if (got < 0) {
        failed = SceneRead::Unreadable;
    }
    rawEnded = got <= 0;
    return got > 0;
}

bool SceneStream::read(std::string& into, std::size_t room) {
    if (failed != SceneRead::Read) {
        return false;
    }
    if (compressed) {
        return inflateInto(into, room);
    }
    if (rawStart == raw.size()) {
        return readFile(into, room);  // straight from the file: a copy less
    }
    const std::size_t taken = std::min(room, raw.size() - rawStart);
    into.append(raw, rawStart, taken);
    rawStart += taken;
    return true;
}

bool SceneStream::inflateInto(std::string& into, std::size_t room) {
    const std::size_t before = into.size();
    while (into.size() == before) {
        if (rawStart == raw.size() && !readRaw()) {
            if (failed == SceneRead::Read && !inflater.atMemberEnd()) {
                failed = SceneRead::CutShort;
            }
            return false;
        }
        std::string_view input(raw.data() + rawStart, raw.size() - rawStart);
        const std::size_t offered = input.size();
        // zlib moves on whenever it has input and room; standing still is a fault of the data.
        if (inflater.inflate(input, into, room) == GzipInflater::Step::Damaged ||
            (input.size() == offered && into.size() == before)) {
            failed = SceneRead::Damaged;
            return false;
        }
        rawStart += offered - input.size();
    }
    inflated += into.size() - before;
    if (inflated > inflatedBound) {
        failed = SceneRead::ExpandsTooFar;
        return false;
    }
    return true;
}
