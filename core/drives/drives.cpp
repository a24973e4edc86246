#include "core/drives/drives.h"

#include <algorithm>

#include "core/drives/drive_paths.h"
#include "core/text/letter_case.h"
#include "system/drive_roots.h"
#include "system/file_status.h"
#include "system/folder_reading.h"
#include "system/host_paths.h"

namespace {

void appendName(std::string& hostPath, std::string_view name) {
    if (hostPath.empty() || hostPath.back() != hostSeparator) {
        hostPath += hostSeparator;
    }
    hostPath += name;
}

std::string lowered(std::string_view utf8) {
    std::string lower;
    appendLowerCaseUtf8(lower, utf8);
    return lower;
}

// The entry of a host folder that names `name`: as it stands when it exists, else the first
// (in byte order) that equals it with letter case ignored; empty when there is none.
std::string matchingEntry(const std::string& folder, const std::string& name) {
    std::string path = folder;
    appendName(path, name);
    if (pathKind(path) != PathKind::Missing) {
        return name;
    }
    const std::string wanted = lowered(name);
    std::string first;
    readFolderEntries(folder, [&](const FolderEntry& entry) {
        if ((first.empty() || entry.name < first) && lowered(entry.name) == wanted) {
            first = entry.name;
        }
    });
    return first;
}

bool holds(const std::string& root, const std::string& path) {
    if (root.back() == hostSeparator) {  // "/", or "C:\"
        return path.starts_with(root) || path + hostSeparator == root;
    }
    return path == root || (path.starts_with(root) && path[root.size()] == hostSeparator);
}

std::vector<std::string> namesOf(std::string_view path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find(hostSeparator, start), path.size());
        if (end > start) {
            names.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

bool Drive::isReady() const {
    return pathKind(root) == PathKind::Folder;
}

Drives::Drives(std::vector<Drive> drives, bool fallback)
    : driveList(std::move(drives)), fallback(fallback) {
    std::sort(driveList.begin(), driveList.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

Drives Drives::ofSystem() {
    const DriveRoots found = findDriveRoots();
    std::vector<Drive> drives;
    for (const DriveRoot& root : found.roots) {
        drives.push_back({root.letter, root.hostFolder});
    }
    return Drives(std::move(drives), found.isFallback);
}

const Drive* Drives::drive(char letter) const {
    const char lower = asciiLower(letter);
    for (const Drive& d : driveList) {
        if (d.letter == lower) {
            return &d;
        }
    }
    return nullptr;
}

std::optional<ResolvedPath> Drives::resolve(std::string_view drivePath) const {
    const std::optional<DrivePathParts> parts = splitDrivePath(drivePath);
    if (!parts) {
        return std::nullopt;
    }
    if (parts->driveOnly) {
        return resolve(driveCurrentFolder(parts->letter));
    }
    const Drive* d = drive(parts->letter);
    if (d == nullptr) {
        return std::nullopt;
    }
    std::string literal = d->root;
    for (const std::string& name : parts->names) {
        appendName(literal, name);
    }
    if (pathKind(literal) != PathKind::Missing) {
        return ResolvedPath{literal, joinDrivePath(parts->letter, parts->names)};
    }
    std::string host = d->root;
    std::vector<std::string> onDisk;
    bool inExistingFolder = true;
    for (const std::string& name : parts->names) {
        std::string entry = inExistingFolder ? matchingEntry(host, name) : std::string();
        if (entry.empty()) {
            inExistingFolder = false;
            entry = name;
        }
        appendName(host, entry);
        onDisk.push_back(std::move(entry));
    }
    return ResolvedPath{host, joinDrivePath(parts->letter, onDisk)};
}

std::string Drives::toDrivePath(const std::string& hostPath) const {
    const std::optional<std::string> real = realFolderPath(hostPath);
    if (!real) {
        return {};
    }
    const Drive* best = nullptr;
    std::string bestRoot;
    for (const Drive& d : driveList) {  // in letter order, so the lower letter wins a tie
        const std::optional<std::string> root = realFolderPath(d.root);
        if (root && holds(*root, *real) &&
            (best == nullptr || namesOf(*root).size() > namesOf(bestRoot).size())) {
            best = &d;
            bestRoot = *root;
        }
    }
    if (best == nullptr) {
        return {};
    }
    return joinDrivePath(best->letter, namesOf(std::string_view(*real).substr(bestRoot.size())));
}

std::string Drives::currentFolder() const {
    std::string working = toDrivePath(workingFolder());
    if (!working.empty()) {
        return working;
    }
    // A prefix whose drives do not reach the working folder: start at the first drive.
    return driveList.empty() ? std::string() : joinDrivePath(driveList.front().letter, {});
}

std::string Drives::driveCurrentFolder(char letter) const {
    std::string working = currentFolder();
    if (!working.empty() && asciiLower(working[0]) == asciiLower(letter)) {
        return working;
    }
    return joinDrivePath(letter, {});
}
