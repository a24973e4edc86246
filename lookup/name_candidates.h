#pragma once

#include <QByteArrayView>

// Where in a run of index lines an ASCII file name may stand, found many bytes at a time: a
// million lines are skipped through without being split into lines. A candidate is a place
// whose byte has the name's first letter, the name's last letter lies where it would end, and
// a line end or "." follows (letter case ignored, loosely: the caller checks each one). Bytes
// beyond ASCII are candidates too, as lower-casing can turn such a letter into an ASCII one.
class NameCandidates {
public:
    // `asciiName` is lower case and not empty.
    explicit NameCandidates(QByteArrayView asciiName);

    // The first candidate at or after `from`. Near the text's end, where a block of bytes and
    // the name's end no longer fit, every place is one: it returns text.size() only from there.
    qsizetype next(QByteArrayView text, qsizetype from) const;

private:
    char first;  // the name's first and last letters, with bit 0x20 set
    char last;
    qsizetype length;
};
