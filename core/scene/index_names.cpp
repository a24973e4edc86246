#include "core/scene/index_names.h"

#include "core/lookup/file_name_match.h"
#include "core/lookup/index_lines.h"
#include "core/text/letter_case.h"
#include "core/text/text_lines.h"

std::size_t IndexNames::add(std::string_view name) {
    std::string lookname;
    appendLowerCaseUtf8(lookname, name);
    auto& names = compareModeFor(name) == CompareMode::FullName ? fullNames : baseNames;
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
            take(line, name, fullNames);
        }
        if (!baseNames.empty()) {
            take(line, name.substr(0, name.find('.')), baseNames);
        }
    }
    return IndexSearch::Searched;
}

void IndexNames::take(std::string_view line, std::string_view name,
                      const std::unordered_map<std::string, std::size_t>& names) {
    lowered.clear();
    appendLowerCaseUtf8(lowered, name);
    const auto entry = names.find(lowered);
    if (entry != names.end() && isPathText(line)) {
        found[entry->second].emplace_back(line);
    }
}
