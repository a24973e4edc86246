#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

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

private:
    QByteArray wanted;  // UTF-8, as the index holds names
    CompareMode mode;
    bool fromLineEnd;  // a full name in ASCII: the fast way
};
