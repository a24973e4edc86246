#include "core/scene/scene_lines.h"

#include <algorithm>
#include <cstring>

#include "core/text/text_lines.h"

namespace {

constexpr std::size_t readChunk = std::size_t{256} * 1024;
// The bytes are checked in blocks of this size, each in one loop of a fixed count without
// stopping early, which the compiler turns into vector code.
constexpr std::size_t checkBlock = 4096;

// Whether every byte of the block is a tab, printable ASCII, an LF, or a CR before an LF; the
// byte after the block is read too.
bool isPlainText(const char* block) {
    unsigned char other = 0;
    for (std::size_t i = 0; i < checkBlock; ++i) {
        const auto byte = static_cast<unsigned char>(block[i]);
        const auto next = static_cast<unsigned char>(block[i + 1]);
        // Bitwise, not logical, operators: a branch would keep the loop from vector code.
        const bool control = (byte < 0x20) & (byte != '\t') & (byte != '\n');
        other |= (control & ((byte != '\r') | (next != '\n'))) | (byte >= 0x7F);
    }
    return other == 0;
}

}  // namespace

void SceneLines::fill() {
    buffer.erase(0, start);
    plainEnd -= std::min(plainEnd, start);
    start = 0;
    streamEnded = !stream.read(buffer, readChunk);
    seek(nextCr, '\r');
    seek(nextLf, '\n');
    checkBytes();
}

void SceneLines::checkBytes() {
    while (plainEnd + checkBlock < buffer.size() && isPlainText(buffer.data() + plainEnd)) {
        plainEnd += checkBlock;
    }
}

void SceneLines::seek(std::size_t& found, char byte) const {
    const void* at = std::memchr(buffer.data() + start, byte, buffer.size() - start);
    found = at == nullptr ? std::string::npos
                          : std::size_t(static_cast<const char*>(at) - buffer.data());
}

// The first CR or LF from `start` on; npos when the buffer holds none.
std::size_t SceneLines::lineEnd() {
    if (nextLf < start) {
        seek(nextLf, '\n');
    }
    // In plain text every CR stands before an LF: the LF alone tells where the line ends.
    if (nextLf < plainEnd) {
        return nextLf > start && buffer[nextLf - 1] == '\r' ? nextLf - 1 : nextLf;
    }
    if (nextCr < start) {
        seek(nextCr, '\r');
    }
    return std::min(nextCr, nextLf);
}

void SceneLines::give(ScenePiece& piece, std::size_t textEnd, std::size_t endLength,
                      bool lineEnds) {
    const std::string_view text(buffer.data() + start, textEnd - start);
    if (!withinLine) {
        ++line;
    }
    piece.whole = !withinLine && lineEnds && text.size() <= maxLineLength;
    piece.plainText = textEnd <= plainEnd;
    piece.text = text;
    piece.end = std::string_view(buffer.data() + textEnd, endLength);
    withinLine = !lineEnds;
    start = textEnd + endLength;
}

void SceneLines::passOver(const std::array<bool, 256>& wanted) {
    const char* const data = buffer.data();
    while (!withinLine && start < plainEnd) {
        std::size_t at = start;
        while (at < plainEnd && (data[at] == '\t' || data[at] == ' ')) {
            ++at;
        }
        const void* lineFeed = at == plainEnd || wanted[static_cast<unsigned char>(data[at])]
                                   ? nullptr
                                   : std::memchr(data + at, '\n', plainEnd - at);
        if (lineFeed == nullptr) {
            return;
        }
        start = std::size_t(static_cast<const char*>(lineFeed) - data) + 1;
        ++line;
    }
}

bool SceneLines::next(ScenePiece& piece) {
    for (;;) {
        const std::size_t at = lineEnd();
        // A CR last in the buffer may be the first half of a CR LF.
        const bool crAtBufferEnd =
            at != std::string::npos && at + 1 == buffer.size() && buffer[at] == '\r';
        if (at != std::string::npos && !(crAtBufferEnd && !streamEnded)) {
            const bool crLf =
                buffer[at] == '\r' && at + 1 < buffer.size() && buffer[at + 1] == '\n';
            give(piece, at, crLf ? 2 : 1, true);
            return true;
        }
        if (at == std::string::npos && buffer.size() - start > maxLineLength) {
            give(piece, buffer.size(), 0, false);  // a part of a line too long to keep whole
            return true;
        }
        if (streamEnded) {
            if (start == buffer.size()) {
                return false;
            }
            give(piece, buffer.size(), 0, true);  // the last line, without a line end
            return true;
        }
        fill();
    }
}
