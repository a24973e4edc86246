#include "core/settings/settings_file.h"

#include "core/drives/data_files.h"
#include "core/text/letter_case.h"
#include "core/text/text_lines.h"
#include "system/ansi_code_page.h"
#include "system/file_replacement.h"
#include "system/readable_file.h"

std::optional<std::uint64_t> SettingsFile::ensureAndMeasure() const {
    if (hostPath.empty()) {
        return std::nullopt;
    }
    ReadableFile file;
    if (file.open(hostPath, ReadableFile::IfMissing::MakeEmpty) != ReadableFile::Open::Opened) {
        return std::nullopt;
    }
    return file.size();
}

std::optional<std::string> SettingsFile::readFirstLine() const {
    if (hostPath.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> line = ::readFirstLine(hostPath);
    // Earlier releases wrote the folder in the ANSI code page; this one writes UTF-8.
    if (line && !isValidUtf8(*line)) {
        line = utf8FromAnsiCodePage(*line);
    }
    return line;
}

bool SettingsFile::write(std::string_view folder) const {
    FileReplacement file;
    if (hostPath.empty() ||
        file.start(hostPath, FileReplacement::Writers::Any, FileReplacement::Over::AnyFile) !=
            FileReplacement::Start::Started) {
        return false;
    }
    file.writeLine(folder);
    return file.commit();
}

std::optional<std::string> SettingsFile::storedFolder() const {
    const std::optional<std::uint64_t> length = ensureAndMeasure();
    if (!length || !holdsFolder(*length)) {
        return std::nullopt;
    }
    return readFirstLine();
}

SettingsFile settingsFileOf(const Drives& drives) {
    const std::optional<ResolvedPath> resolved = drives.resolve(settingsFilePath);
    return SettingsFile(resolved ? resolved->hostPath : std::string());
}
