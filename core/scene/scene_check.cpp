#include "core/scene/scene_check.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "core/scene/index_names.h"
#include "core/scene/reference_paths.h"
#include "core/text/letter_case.h"
#include "system/file_status.h"

namespace {

// A missing reference, waiting for the index.
struct Pending {
    std::size_t file;
    std::size_t reference;
    std::size_t name;  // in IndexNames
};

std::optional<ResolvedPath> existingFile(const Drives& drives, const std::string& drivePath) {
    std::optional<ResolvedPath> resolved = drives.resolve(drivePath);
    if (resolved && pathKind(resolved->hostPath) != PathKind::File) {
        resolved.reset();
    }
    return resolved;
}

// How many names the line ends with that the written path (its names lower-cased) ends with.
// Compared from the end, one name at a time: most lines differ in the first folder already.
std::size_t namesInCommon(const std::vector<std::string>& written, std::string_view line,
                          std::string& lowered) {
    std::size_t common = 0;
    std::size_t end = line.size();
    while (common < written.size() && end > 0) {
        const std::size_t separator = line.find_last_of(":\\/", end - 1);
        const std::size_t start = separator == std::string_view::npos ? 0 : separator + 1;
        if (start < end) {
            lowered.clear();
            appendLowerCaseUtf8(lowered, line.substr(start, end - start));
            if (lowered != written[written.size() - 1 - common]) {
                break;
            }
            ++common;
        }
        if (separator == std::string_view::npos) {
            break;
        }
        end = separator;
    }
    return common;
}

// Best first: the most folder names in common with the written path, then index order.
std::vector<std::string> ranked(const std::vector<std::string>& lines, std::string_view path) {
    const std::vector<std::string> written = loweredNames(path);
    std::vector<std::pair<std::size_t, const std::string*>> order;
    order.reserve(lines.size());
    std::string lowered;
    for (const std::string& line : lines) {
        order.emplace_back(namesInCommon(written, line, lowered), &line);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> candidates;
    candidates.reserve(order.size());
    for (const auto& entry : order) {
        candidates.push_back(*entry.second);
    }
    return candidates;
}

std::string fileNameOf(std::string_view path) {
    const std::size_t lastSeparator = path.find_last_of(":\\/");
    return std::string(lastSeparator == std::string_view::npos ? path
                                                               : path.substr(lastSeparator + 1));
}

class Checker {
public:
    Checker(const Drives& drives, std::string_view poserFolder, SceneCheck& check)
        : drives(drives), poserFolder(poserFolder), check(check) {}

    void readAll(const std::string& sceneHostPath) {
        visit(sceneHostPath);
        for (std::size_t f = 0; f < check.files.size(); ++f) {
            check.files[f].file = readSceneFile(check.files[f].hostPath);
            const std::size_t count = check.files[f].file.references.size();
            check.files[f].checks.resize(count);
            for (std::size_t r = 0; r < count; ++r) {
                resolve(f, r);
            }
        }
    }

    void lookUpMissing(const std::string& indexHostPath) {
        if (pending.empty()) {
            return;
        }
        check.index = names.search(indexHostPath);
        std::string textures;
        appendLowerCaseUtf8(textures, texturesFolder(poserFolder) + '\\');
        for (const Pending& missing : pending) {
            const SceneReference& reference =
                check.files[missing.file].file.references[missing.reference];
            ReferenceCheck& result = check.files[missing.file].checks[missing.reference];
            const std::vector<std::string>& lines = names.linesOf(missing.name);
            if (pathForm(reference.path, reference.keyword) == PathForm::BareName) {
                findUnder(textures, lines, result);
            }
            if (!result.found) {
                result.candidates = ranked(lines, reference.path);
            }
        }
    }

private:
    // Files are told apart with letter case ignored, as Windows and Wine tell them apart.
    void visit(const std::string& hostPath) {
        std::string key;
        appendLowerCaseUtf8(key, hostPath);
        if (visited.insert(std::move(key)).second) {
            check.files.push_back({hostPath, {}, {}});
        }
    }

    void resolve(std::size_t f, std::size_t r) {
        const SceneReference& reference = check.files[f].file.references[r];
        const std::string drivePath = drivePathFor(reference.path, reference.keyword, poserFolder);
        const std::optional<ResolvedPath> resolved =
            drivePath.empty() ? std::nullopt : existingFileAt(drivePath);
        if (!resolved) {
            pending.push_back({f, r, names.add(fileNameOf(reference.path))});
            return;
        }
        check.files[f].checks[r].found = true;
        check.files[f].checks[r].drivePath = resolved->drivePath;
        if (namesPoserFile(reference)) {
            visit(resolved->hostPath);
        }
    }

    // A scene names its textures and geometries many times over: each is looked for once, and
    // not at all in a folder already known to be missing.
    const std::optional<ResolvedPath>& existingFileAt(const std::string& drivePath) {
        const auto [entry, added] = filesLookedFor.try_emplace(drivePath);
        if (added && folderExists(drivePath.substr(0, drivePath.rfind('\\')))) {
            entry->second = existingFile(drives, drivePath);
        }
        return entry->second;
    }

    bool folderExists(const std::string& folder) {
        if (folder.find('\\') == std::string::npos) {
            return true;  // a drive alone: the file is looked for itself
        }
        const auto [entry, added] = foldersLookedFor.try_emplace(folder);
        if (added) {
            const std::optional<ResolvedPath> resolved = drives.resolve(folder);
            entry->second = resolved && pathKind(resolved->hostPath) == PathKind::Folder;
        }
        return entry->second;
    }

    // Poser finds an image named alone anywhere under the textures folder.
    void findUnder(const std::string& textures, const std::vector<std::string>& lines,
                   ReferenceCheck& result) const {
        for (const std::string& line : lines) {
            std::string lowered;
            appendLowerCaseUtf8(lowered, line);
            std::optional<ResolvedPath> resolved;
            if (lowered.starts_with(textures) && (resolved = existingFile(drives, line))) {
                result.found = true;
                result.drivePath = resolved->drivePath;
                return;
            }
        }
    }

    const Drives& drives;
    std::string poserFolder;
    SceneCheck& check;
    std::set<std::string> visited;
    std::vector<Pending> pending;
    std::unordered_map<std::string, std::optional<ResolvedPath>> filesLookedFor;
    std::unordered_map<std::string, bool> foldersLookedFor;
    IndexNames names;
};

}  // namespace

std::size_t SceneCheck::missingCount() const {
    std::size_t missing = 0;
    for (const CheckedFile& checked : files) {
        missing += std::size_t(std::count_if(checked.checks.begin(), checked.checks.end(),
                                             [](const ReferenceCheck& c) { return !c.found; }));
    }
    return missing;
}

SceneCheck checkScene(const Drives& drives, std::string_view poserFolder,
                      const std::string& sceneHostPath, const std::string& indexHostPath) {
    SceneCheck check;
    while (poserFolder.size() > 3 && (poserFolder.ends_with('\\') || poserFolder.ends_with('/'))) {
        poserFolder.remove_suffix(1);
    }
    const std::optional<ResolvedPath> folder = drives.resolve(poserFolder);
    check.poserFolderFound = folder && pathKind(folder->hostPath) == PathKind::Folder;
    if (!check.poserFolderFound) {
        return check;
    }
    check.poserFolder = folder->drivePath;
    Checker checker(drives, check.poserFolder, check);
    checker.readAll(sceneHostPath);
    checker.lookUpMissing(indexHostPath);
    return check;
}
