#pragma once

#include <QByteArrayView>
#include <cstring>

// An index line is a file's full path; the text after its last "\" is the file's name (the
// whole line when it holds none). The scan writes lines so, the look-up reads them so.
inline QByteArrayView fileNamePart(QByteArrayView line) {
    const void* lastBackslash =
        line.isEmpty() ? nullptr : memrchr(line.data(), '\\', size_t(line.size()));
    if (lastBackslash == nullptr) {
        return line;
    }
    const qsizetype nameStart = static_cast<const char*>(lastBackslash) - line.data() + 1;
    return line.sliced(nameStart);
}
