#include "lookup/file_name_match.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/index_lines.h"
#include "platform/letter_case.h"
#include "platform/text_lines.h"

namespace {

// The scan indexes only names with a "."; a name from elsewhere without one is compared whole.
QByteArrayView baseNamePart(QByteArrayView fileName) {
    const void* firstDot =
        fileName.isEmpty() ? nullptr : std::memchr(fileName.data(), '.', size_t(fileName.size()));
    if (firstDot == nullptr) {
        return fileName;
    }
    return fileName.first(static_cast<const char*>(firstDot) - fileName.data());
}

// Whether the line's file name, lower-cased, is `asciiName` (lower case, no "\"), decided from
// the line's end backwards, so that most lines are turned down at their last letter without
// their name's start being looked for. Empty when a byte beyond ASCII is met: that line takes
// the general way, as Unicode lower-casing can turn such a letter into an ASCII one.
std::optional<bool> endsInFileName(QByteArrayView line, QByteArrayView asciiName) {
    qsizetype at = line.size();
    for (qsizetype i = asciiName.size(); i-- > 0;) {
        if (at == 0) {
            return false;
        }
        const char c = line[--at];
        if (static_cast<unsigned char>(c) >= 0x80) {
            return std::nullopt;
        }
        if (asciiLower(c) != asciiName[i]) {
            return false;
        }
    }
    return at == 0 || line[at - 1] == '\\';
}

// The longest name a file can have on Linux or Windows. A longer one takes the line-by-line
// way: past the candidates' reach at each block's end, every place would be looked at.
constexpr qsizetype longestFileName = 255;

// Printable ASCII without a "\": such a name stands in a line as those very letters, in either
// case, unless a letter beyond ASCII lower-cases to one of them.
bool isPlainAscii(QByteArrayView name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '\\';
    });
}

// Whether a line ends at `at`: its LF, its CR LF, or the end of the file, with a CR or not.
bool endsLine(QByteArrayView lines, qsizetype at) {
    if (at < lines.size() && lines[at] == '\r') {
        ++at;
    }
    return at == lines.size() || lines[at] == '\n';
}

}  // namespace

CompareMode compareModeFor(QStringView cliptext) {
    return cliptext.contains(u'.') ? CompareMode::FullName : CompareMode::BaseName;
}

FileNameMatch::FileNameMatch(const QString& lookname, CompareMode mode)
    : wanted(lookname.toUtf8()),
      mode(mode),
      fromLineEnd(mode == CompareMode::FullName && isAscii(wanted) && !wanted.contains('\\')) {
    if (isPlainAscii(wanted) && wanted.size() <= longestFileName) {
        candidates.emplace(wanted);
    }
}

void FileNameMatch::findIn(QByteArrayView lines,
                           const std::function<void(QByteArrayView line)>& onMatch) const {
    qsizetype at = 0;
    while (at < lines.size()) {
        at = findFrom(lines, at, onMatch);
    }
}

// Looks at the next line that may match and returns where to look on. The line-by-line rule
// decides every line taken out; the candidates only pass over lines that cannot match.
qsizetype FileNameMatch::findFrom(QByteArrayView lines, qsizetype at,
                                  const std::function<void(QByteArrayView line)>& onMatch) const {
    if (candidates) {
        at = candidates->next(lines, at);
        if (at == lines.size()) {
            return at;
        }
        if (static_cast<unsigned char>(lines[at]) < 0x80 && !standsAt(lines, at)) {
            return at + 1;
        }
    }
    qsizetype next = 0;
    const QByteArrayView line = lineHolding(lines, at, next);
    if (matches(line)) {
        onMatch(line);
    }
    return next;
}

bool FileNameMatch::standsAt(QByteArrayView lines, qsizetype at) const {
    const qsizetype nameEnd = at + wanted.size();
    if (nameEnd > lines.size() || (at > 0 && lines[at - 1] != '\\' && lines[at - 1] != '\n')) {
        return false;
    }
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        if (asciiLower(lines[at + i]) != wanted[i]) {
            return false;
        }
    }
    if (endsLine(lines, nameEnd)) {
        return true;
    }
    if (mode == CompareMode::FullName || lines[nameEnd] != '.') {
        return false;
    }
    // A base name: an extension follows, and no "\" after it makes the name a folder's.
    const QByteArrayView rest = lines.sliced(nameEnd);
    const void* lineFeed = std::memchr(rest.data(), '\n', size_t(rest.size()));
    const qsizetype restOfLine =
        lineFeed == nullptr ? rest.size() : static_cast<const char*>(lineFeed) - rest.data();
    return std::memchr(rest.data(), '\\', size_t(restOfLine)) == nullptr;
}

bool FileNameMatch::matches(QByteArrayView indexLine) const {
    if (fromLineEnd) {
        if (const std::optional<bool> decided = endsInFileName(indexLine, wanted)) {
            return *decided;
        }
    }
    QByteArrayView name = fileNamePart(indexLine);
    if (mode == CompareMode::BaseName) {
        name = baseNamePart(name);
    }
    return lowersTo(name, wanted);
}
