#include "lookup/file_name_match.h"

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

}  // namespace

CompareMode compareModeFor(QStringView cliptext) {
    return cliptext.contains(u'.') ? CompareMode::FullName : CompareMode::BaseName;
}

FileNameMatch::FileNameMatch(const QString& lookname, CompareMode mode)
    : wanted(lookname.toUtf8()),
      mode(mode),
      fromLineEnd(mode == CompareMode::FullName && isAscii(wanted) && !wanted.contains('\\')) {}

void FileNameMatch::findIn(QByteArrayView lines,
                           const std::function<void(QByteArrayView line)>& onMatch) const {
    qsizetype at = 0;
    while (at < lines.size()) {
        at = findFrom(lines, at, onMatch);
    }
}

// Looks at the next line and returns where the line after it starts.
qsizetype FileNameMatch::findFrom(QByteArrayView lines, qsizetype at,
                                  const std::function<void(QByteArrayView line)>& onMatch) const {
    qsizetype next = 0;
    const QByteArrayView line = lineHolding(lines, at, next);
    if (matches(line)) {
        onMatch(line);
    }
    return next;
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
