#include "core/scene/scene_lines.h"

#include <algorithm>

#include "core/text/text_lines.h"

namespace {

constexpr std::size_t readChunk = std::size_t{256} * 1024;

// The first CR or LF from `from` on. A loop over the bytes: find_first_of calls memchr on its
// set for every byte.
std::size_t lineEndFrom(std::string_view text, std::size_t from) {
    const auto end = std::find_if(text.begin() + std::ptrdiff_t(from), text.end(),
                                  [](char c) { return c == '\n' || c == '\r'; });
    return end == text.end() ? std::string_view::npos : std::size_t(end - text.begin());
}

}  // namespace

void SceneLines::fill() {
    buffer.erase(0, start);
    start = 0;
    streamEnded = !stream.read(buffer, readChunk);
}

void SceneLines::give(ScenePiece& piece, std::size_t textEnd, std::size_t endLength,
                      bool lineEnds) {
    const std::string_view text(buffer.data() + start, textEnd - start);
    if (!withinLine) {
        ++line;
    }
    piece.whole = !withinLine && lineEnds && text.size() <= maxLineLength;
    piece.text = text;
    piece.end = std::string_view(buffer.data() + textEnd, endLength);
    withinLine = !lineEnds;
    start = textEnd + endLength;
}

bool SceneLines::next(ScenePiece& piece) {
    for (;;) {
        const std::size_t at = lineEndFrom(buffer, start);
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
