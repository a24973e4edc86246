#include "core/scene/index_names.h"

#include "core/lookup/file_name_match.h"
#include "core/lookup/index_lines.h"
#include "core/text/letter_case.h"
#include "core/text/text_lines.h"
#include "system/ansi_code_page.h"

namespace {

// The key of a name lower-cased: ASCII lower-cases byte for byte, so an ASCII name's key is that
// of its lower-cased form. No code point beyond ASCII lower-cases to ASCII, so an ASCII name
// matches no other name sought.
std::size_t keyOf(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    const auto byte = [name](std::size_t at) {
        return std::size_t(static_cast<unsigned char>(asciiLower(name[at])));
    };
    const std::size_t key =
        ((name.size() * 131 + byte(0)) * 131 + byte(name.size() / 2)) * 131 + byte(name.size() - 1);
    return key & 0xFFFF;
}

}  // namespace

std::size_t IndexNames::add(std::string_view name) {
    std::string lookname;
    appendLowerCaseUtf8(lookname, name);
    const bool full = compareModeFor(name) == CompareMode::FullName;
    auto& names = full ? fullNames : baseNames;
    (full ? fullKeys : baseKeys).set(keyOf(lookname));
    const auto [entry, added] = names.try_emplace(std::move(lookname), found.size());
    if (added) {
        found.emplace_back();
    }
    return entry->second;
}

IndexSearch IndexNames::search(const std::string& indexHostPath) {
    LineReader index;
    if (const IndexSearch opened = openIndexFile(index, indexHostPath);
        opened != IndexSearch::Searched) {
        return opened;
    }
    for (std::string_view line; index.readLine(line);) {
        const std::string_view name = fileNamePart(line);
        if (!fullNames.empty()) {
            take(line, name, fullNames, fullKeys);
        }
        if (!baseNames.empty()) {
            take(line, name.substr(0, name.find('.')), baseNames, baseKeys);
        }
    }
    return IndexSearch::Searched;
}

void IndexNames::take(std::string_view line, std::string_view name,
                      const std::unordered_map<std::string, std::size_t>& names, const Keys& keys) {
    if (!keys.test(keyOf(name)) && isAscii(name)) {
        return;
    }
    if (!isValidUtf8(line)) {
        takeAnsi(line, &names == &fullNames);
        return;
    }
    lowered.clear();
    appendLowerCaseUtf8(lowered, name);
    const auto entry = names.find(lowered);
    if (entry != names.end() && isPathText(line)) {
        found[entry->second].emplace_back(line);
    }
}

// A line that an earlier release wrote in the ANSI code page is read in it, as the look-up reads
// it: only a line that may match pays for the test.
void IndexNames::takeAnsi(std::string_view line, bool fullName) {
    const std::string converted = utf8FromAnsiCodePage(line);
    if (!isValidUtf8(converted)) {
        return;  // no text in either, as on a system whose code page is UTF-8
    }
    const std::string_view name = fileNamePart(converted);
    if (fullName) {
        take(converted, name, fullNames, fullKeys);
    } else {
        take(converted, name.substr(0, name.find('.')), baseNames, baseKeys);
    }
}
