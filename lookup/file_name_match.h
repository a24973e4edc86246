#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

#include "lookup/name_candidates.h"

// How a look-up compares the wanted name with the file name of an index line.
enum class CompareMode {
    FullName,  // the whole file name, extension included
    BaseName,  // only the part of the file name before its first "."
};

// A "." anywhere in the clipboard's text means the user copied a name with its extension.
CompareMode compareModeFor(QStringView cliptext);

// The wanted name of one look-up, ready to be compared with a million index lines.
class FileNameMatch {
public:
    // `lookname` is already lower-cased.
    FileNameMatch(const QString& lookname, CompareMode mode);

    // Whether the line's file name, lower-cased, equals the wanted name. Only the file-name
    // part of the line is read.
    bool matches(QByteArrayView indexLine) const;

    // Hands on, in order, each line of `lines` (as LineReader::readLines gives them) whose file
    // name, lower-cased, equals the wanted name. Only lines that may match are taken out.
    void findIn(QByteArrayView lines,
                const std::function<void(QByteArrayView line)>& onMatch) const;

private:
    // Whether the wanted ASCII name stands at `at` as the file name (or base name) of its line.
    bool standsAt(QByteArrayView lines, qsizetype at) const;
    qsizetype findFrom(QByteArrayView lines, qsizetype at,
                       const std::function<void(QByteArrayView line)>& onMatch) const;

    QByteArray wanted;  // UTF-8, as the index holds names
    CompareMode mode;
    bool fromLineEnd;  // a full name in ASCII: a line is turned down from its end
    // A name in printable ASCII: most lines are passed over many at a time, never split out.
    std::optional<NameCandidates> candidates;
};
