#include "core/lookup/file_name_match.h"

#include <algorithm>

#include "core/lookup/index_lines.h"
#include "core/text/letter_case.h"
#include "core/text/text_lines.h"
#include "system/ansi_code_page.h"

namespace {

// The scan indexes only names with a "."; a name from elsewhere without one is compared whole.
std::string_view baseNamePart(std::string_view fileName) {
    return fileName.substr(0, fileName.find('.'));
}

// Whether the line's file name, lower-cased, is `asciiName` (lower case, no "\"), decided from
// the line's end backwards, so that most lines are turned down at their last letter without
// their name's start being looked for. No letter beyond ASCII lower-cases to an ASCII one, so a
// byte beyond ASCII is a letter that differs.
bool endsInFileName(std::string_view line, std::string_view asciiName) {
    if (line.size() < asciiName.size()) {
        return false;
    }
    const std::size_t nameStart = line.size() - asciiName.size();
    for (std::size_t i = asciiName.size(); i-- > 0;) {
        if (asciiLower(line[nameStart + i]) != asciiName[i]) {
            return false;
        }
    }
    return nameStart == 0 || line[nameStart - 1] == '\\';
}

// The longest name a file can have on Linux or Windows. A longer one takes the line-by-line
// way: past the candidates' reach at each block's end, every place would be looked at.
constexpr std::size_t longestFileName = 255;

// Printable ASCII without a "\": such a name stands in a line as those very letters, in either
// case, and no other letters lower-case to them.
bool isPlainAscii(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(),
                                        [](char c) { return c >= 0x20 && c < 0x7F && c != '\\'; });
}

// Whether a line ends at `at`: its LF, its CR LF, or the end of the text, with a CR or not.
bool endsLine(std::string_view lines, std::size_t at) {
    if (at < lines.size() && lines[at] == '\r') {
        ++at;
    }
    return at == lines.size() || lines[at] == '\n';
}

}  // namespace

bool isPathText(std::string_view line) {
    return std::none_of(line.begin(), line.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }) &&
           isValidUtf8(line);
}

CompareMode compareModeFor(std::string_view cliptext) {
    return cliptext.find('.') != std::string_view::npos ? CompareMode::FullName
                                                        : CompareMode::BaseName;
}

FileNameMatch::FileNameMatch(std::string lookname, CompareMode mode, VectorWidth width)
    : wanted(std::move(lookname)),
      mode(mode),
      fromLineEnd(mode == CompareMode::FullName && isAscii(wanted) &&
                  wanted.find('\\') == std::string::npos) {
    if (isPlainAscii(wanted) && wanted.size() <= longestFileName) {
        candidates.emplace(wanted, width);
    }
}

void FileNameMatch::findIn(std::string_view lines,
                           const std::function<void(std::string_view line)>& onMatch) const {
    std::size_t at = 0;
    while (at < lines.size()) {
        at = findFrom(lines, at, onMatch);
    }
}

// Looks at the next line that may match and returns where to look on. The line-by-line rule
// decides every line taken out; the candidates only pass over lines that cannot match.
std::size_t FileNameMatch::findFrom(
    std::string_view lines, std::size_t at,
    const std::function<void(std::string_view line)>& onMatch) const {
    if (candidates) {
        at = candidates->next(lines, at);
        if (at == lines.size()) {
            return at;
        }
        if (!standsAt(lines, at)) {
            return at + 1;
        }
    }
    std::size_t next = 0;
    handOnIfMatching(lineHolding(lines, at, next), onMatch);
    return next;
}

// An index that an earlier release wrote in the ANSI code page is read in it line by line: a
// line of ASCII alone, most of any index, reads the same in both, so only a line that is no
// UTF-8 is converted. A name in ASCII stands in such a line as those very bytes, so the
// candidates pass over none that could match.
void FileNameMatch::handOnIfMatching(
    std::string_view line, const std::function<void(std::string_view line)>& onMatch) const {
    if (isValidUtf8(line)) {
        if (matches(line)) {
            onMatch(line);
        }
        return;
    }
    const std::string converted = utf8FromAnsiCodePage(line);
    if (isValidUtf8(converted) && matches(converted)) {
        onMatch(converted);
    }
}

bool FileNameMatch::standsAt(std::string_view lines, std::size_t at) const {
    const std::size_t nameEnd = at + wanted.size();
    if (nameEnd > lines.size() || (at > 0 && lines[at - 1] != '\\' && lines[at - 1] != '\n')) {
        return false;
    }
    for (std::size_t i = 0; i < wanted.size(); ++i) {
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
    const std::string_view rest = lines.substr(nameEnd);
    return rest.substr(0, rest.find('\n')).find('\\') == std::string_view::npos;
}

bool FileNameMatch::matches(std::string_view indexLine) const {
    if (fromLineEnd) {
        return endsInFileName(indexLine, wanted);
    }
    std::string_view name = fileNamePart(indexLine);
    if (mode == CompareMode::BaseName) {
        name = baseNamePart(name);
    }
    return lowersTo(name, wanted);
}
