// FileNameMatch in both modes against a slow reference built from QString, for valid UTF-8,
// and its search through many lines at once against its rule for one line, for any bytes.
#include "core/lookup/file_name_match.h"
#include "fuzz/fuzz_support.h"
#include "platform/letter_case.h"

namespace {

// The line's file name (after its last "\"), lower-cased, cut at its first "." when only the
// base name counts, equals the wanted name.
bool referenceMatches(const QString& lookname, CompareMode mode, QByteArrayView line) {
    QString name = toLowerSimple(QString::fromUtf8(line));
    name = name.mid(name.lastIndexOf(u'\\') + 1);
    if (mode == CompareMode::BaseName) {
        name = name.left(name.indexOf(u'.'));  // all of it without a "."
    }
    return name == lookname;
}

// The lines as the line reader gives them: split at LF, one CR before it dropped, and no line
// after the last LF.
QByteArrayList linesMatching(const FileNameMatch& match, QByteArrayView text) {
    QByteArrayList lines = text.toByteArray().split('\n');
    if (text.isEmpty() || text.endsWith('\n')) {
        lines.removeLast();
    }
    QByteArrayList found;
    for (QByteArrayView line : lines) {
        line = line.endsWith('\r') ? line.chopped(1) : line;
        if (match.matches(bytesOf(line))) {
            found += line.toByteArray();
        }
    }
    return found;
}

void checkSearchThroughLines(const QString& lookname, CompareMode mode, QByteArrayView text) {
    const FileNameMatch match(lookname.toStdString(), mode);
    QByteArrayList found;
    match.findIn(bytesOf(text),
                 [&](std::string_view line) { found += QByteArrayView(line).toByteArray(); });
    fuzzCheck(found == linesMatching(match, text), "a search finds what line by line finds");
}

}  // namespace

// Input: the clipboard's text, a line end, then an index line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input = inputBytes(data, size);
    const qsizetype split = input.indexOf('\n');
    if (split < 0) {
        return 0;
    }
    const QByteArrayView clip = input.first(split);
    const QByteArrayView line = input.sliced(split + 1);
    const QString cliptext = QString::fromUtf8(clip);
    const QString lookname = toLowerSimple(cliptext);
    const CompareMode chosen = compareModeFor(bytesOf(clip));
    const CompareMode other =
        chosen == CompareMode::FullName ? CompareMode::BaseName : CompareMode::FullName;
    for (const CompareMode mode : {chosen, other}) {
        checkSearchThroughLines(lookname, mode, line);
    }
    if (!clip.isValidUtf8() || !line.isValidUtf8()) {
        return 0;
    }
    for (const CompareMode mode : {chosen, other}) {
        fuzzCheck(FileNameMatch(lookname.toStdString(), mode).matches(bytesOf(line)) ==
                      referenceMatches(lookname, mode, line),
                  "a match is what the reference finds");
    }
    return 0;
}
