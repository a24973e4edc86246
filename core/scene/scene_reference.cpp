#include "core/scene/scene_reference.h"

#include <algorithm>
#include <array>

#include "core/text/letter_case.h"

namespace {

struct Keyword {
    std::string_view name;
    int numbersFirst;    // values that stand before the path
    bool argumentAfter;  // a word that follows the path
};

constexpr std::array<Keyword, 13> keywords{{
    {"figureResFile", 0, false},
    {"objFileGeom", 2, false},
    {"objFile", 1, false},
    {"textureMap", 0, false},
    {"bumpMap", 0, false},
    {"reflectionMap", 0, false},
    {"transparencyMap", 0, false},
    {"file", 0, false},
    {"readScript", 0, false},
    {"runPythonScript", 0, false},
    {"runPythonScriptEx", 0, true},
    {"morphBinaryFile", 0, false},
    {"injectPMDFileMorphs", 0, false},
}};

constexpr std::size_t shortestKeyword = 4;  // "file"

constexpr std::array<std::string_view, 5> imageKeywords{"textureMap", "bumpMap", "reflectionMap",
                                                        "transparencyMap", "file"};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at])) {
        ++at;
    }
    return at;
}

std::size_t wordEnd(std::string_view line, std::size_t at) {
    while (at < line.size() && !isBlank(line[at])) {
        ++at;
    }
    return at;
}

bool isNumber(std::string_view word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
        word.remove_prefix(1);
    }
    return !word.empty() && std::all_of(word.begin(), word.end(),
                                        [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool namesNoFile(std::string_view value) {
    return value.empty() || value == "NO_MAP" || value.starts_with("GetStringRes(");
}

// The path's span within [from, to): one pair of quotes around it removed; with an argument
// after it, the path ends at its closing quote or, unquoted, before the last word.
std::pair<std::size_t, std::size_t> pathSpan(std::string_view line, std::size_t from,
                                             std::size_t to, bool argumentAfter) {
    if (argumentAfter) {
        const std::size_t closing =
            line[from] == '"' ? line.find('"', from + 1) : std::string_view::npos;
        if (closing != std::string_view::npos && closing < to) {
            return {from + 1, closing};
        }
        const std::size_t lastBlank = line.find_last_of(" \t", to - 1);
        if (lastBlank != std::string_view::npos && lastBlank > from) {
            to = lastBlank;
            while (isBlank(line[to - 1])) {
                --to;
            }
        }
    }
    if (to - from >= 2 && line[from] == '"' && line[to - 1] == '"') {
        return {from + 1, to - 1};
    }
    return {from, to};
}

}  // namespace

std::optional<SceneReference> referenceOnLine(std::string_view line) {
    std::size_t at = skipBlanks(line, 0);
    const std::size_t keywordEnd = wordEnd(line, at);
    const std::string_view word = line.substr(at, keywordEnd - at);
    // Most lines of a scene are keyframes, "k 12 0.5": turned down by their first word's length.
    if (word.size() < shortestKeyword) {
        return std::nullopt;
    }
    const auto keyword = std::find_if(keywords.begin(), keywords.end(),
                                      [&](const Keyword& k) { return k.name == word; });
    if (keyword == keywords.end()) {
        return std::nullopt;
    }
    at = skipBlanks(line, keywordEnd);
    for (int n = 0; n < keyword->numbersFirst; ++n) {
        const std::size_t end = wordEnd(line, at);
        if (!isNumber(line.substr(at, end - at))) {
            break;
        }
        at = skipBlanks(line, end);
    }
    std::size_t valueEnd = line.size();
    while (valueEnd > at && isBlank(line[valueEnd - 1])) {
        --valueEnd;
    }
    if (at == valueEnd) {
        return std::nullopt;
    }
    const auto [start, end] = pathSpan(line, at, valueEnd, keyword->argumentAfter);
    const std::string_view path = line.substr(start, end - start);
    if (namesNoFile(path)) {
        return std::nullopt;
    }
    return SceneReference{0, std::string(keyword->name), std::string(path), start, end - start};
}

const FirstBytes& referenceFirstBytes() {
    static const FirstBytes firstBytes = [] {
        FirstBytes bytes{};
        for (const Keyword& keyword : keywords) {
            bytes[static_cast<unsigned char>(keyword.name.front())] = true;
        }
        return bytes;
    }();
    return firstBytes;
}

bool namesImage(std::string_view keyword) {
    return std::find(imageKeywords.begin(), imageKeywords.end(), keyword) != imageKeywords.end();
}

bool namesPoserFile(const SceneReference& reference) {
    if (reference.keyword == "readScript") {
        return true;
    }
    const std::size_t dot = reference.path.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    std::string extension;
    appendLowerCaseUtf8(extension, std::string_view(reference.path).substr(dot));
    return std::find(poserExtensions.begin(), poserExtensions.end(), extension) !=
           poserExtensions.end();
}
