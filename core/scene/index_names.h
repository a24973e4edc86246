#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/lookup/index_search.h"

// Many file names looked up in one pass over the index, each by the look-up's rule: letter case
// ignored, a name with a "." compared with whole file names, one without with base names.
class IndexNames {
public:
    // The number by which linesOf gives the name's lines; the same name gets the same number.
    std::size_t add(std::string_view name);

    IndexSearch search(const std::string& indexHostPath);

    // The index's lines whose file name is the name, in index order, as the index holds them.
    const std::vector<std::string>& linesOf(std::size_t name) const { return found[name]; }

private:
    // A cheap first test of an index line's name, before it is lower-cased and looked up: the
    // keys of the names sought, each from the name's length and a few of its bytes.
    using Keys = std::bitset<std::size_t{1} << 16>;

    void take(std::string_view line, std::string_view name,
              const std::unordered_map<std::string, std::size_t>& names, const Keys& keys);
    void takeAnsi(std::string_view line, bool fullName);

    std::unordered_map<std::string, std::size_t> fullNames;
    std::unordered_map<std::string, std::size_t> baseNames;
    Keys fullKeys;
    Keys baseKeys;
    std::vector<std::vector<std::string>> found;
    std::string lowered;  // the line's name, lower-cased, reused from line to line
};
