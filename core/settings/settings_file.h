#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/drives/drives.h"

// The one-line settings file that keeps the Poser folder from one run to the next. It holds
// a folder when it is longer than 5 bytes; readers and the writer apply the same rule.
class SettingsFile {
public:
    // The file's host path in UTF-8; empty when it has none (no drive c:), and then every
    // operation fails.
    explicit SettingsFile(std::string hostPath) : hostPath(std::move(hostPath)) {}

    // Makes an empty file when it is missing, never changes what it holds, and gives its
    // length; empty when it cannot be opened or is no regular file.
    std::optional<std::uint64_t> ensureAndMeasure() const;

    // The first line in UTF-8, without its line end; empty when the file cannot be read or its
    // first line is too long to be a folder. A line that is no UTF-8 is read in the system's
    // ANSI code page (system/ansi_code_page.h), as earlier releases wrote it.
    std::optional<std::string> readFirstLine() const;

    // Replaces the content with the folder and a line end, all or nothing: a crash in the
    // middle of writing leaves the old file in place.
    bool write(std::string_view folder) const;

    // Ensure and measure, then read when a folder is stored: what both load steps do.
    std::optional<std::string> storedFolder() const;

    static bool holdsFolder(std::uint64_t length) { return length > 5; }

private:
    std::string hostPath;
};

// The settings file c:\ol\zz of these drives.
SettingsFile settingsFileOf(const Drives& drives);
