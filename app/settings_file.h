#pragma once

#include <QString>
#include <optional>

#include "platform/drives.h"

// The one-line settings file that keeps the Poser folder from one run to the next. It holds
// a folder when it is longer than 5 bytes; readers and the writer apply the same rule.
class SettingsFile {
public:
    explicit SettingsFile(const WineDrives& drives);

    // Makes an empty file when it is missing, never changes what it holds, and gives its
    // length; empty when it cannot be opened or is no regular file.
    std::optional<qint64> ensureAndMeasure() const;

    // The first line, without its line end; empty when the file cannot be read or its first
    // line is too long to be a folder.
    std::optional<QString> readFirstLine() const;

    // Replaces the content with the folder and a line end, all or nothing: a crash in the
    // middle of writing leaves the old file in place.
    bool write(const QString& folder) const;

    // Ensure and measure, then read when a folder is stored: what both load steps do.
    std::optional<QString> storedFolder() const;

    static bool holdsFolder(qint64 length) { return length > 5; }

private:
    QString hostPath;
};
