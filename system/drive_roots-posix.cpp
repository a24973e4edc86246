#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "system/drive_roots.h"
#include "system/file_status.h"

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = variable("HOME");
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid())) {
            home = user->pw_dir;
        }
    }
    return home;
}

// A relative $XDG_DATA_HOME is ignored, as the XDG base-directory rules say.
std::string dataHome() {
    const std::string folder = variable("XDG_DATA_HOME");
    return !folder.empty() && folder.front() == '/' ? folder : homeFolder() + "/.local/share";
}

bool isDriveEntry(std::string_view name) {
    const char letter = name.empty() ? '\0' : char(name[0] | 0x20);
    return name.size() == 2 && letter >= 'a' && letter <= 'z' && name[1] == ':';
}

// Where a dosdevices link leads, made absolute and clean; the entry itself when it is no link.
std::string rootOf(const std::filesystem::path& entry) {
    std::error_code error;
    std::filesystem::path target = std::filesystem::read_symlink(entry, error);
    if (error) {
        target = entry;
    } else if (target.is_relative()) {
        target = entry.parent_path() / target;
    }
    std::string root = target.lexically_normal().string();
    if (root.size() > 1 && root.back() == '/') {
        root.pop_back();
    }
    return root;
}

}  // namespace

std::string winePrefixFolder() {
    const std::string prefix = variable("WINEPREFIX");
    return prefix.empty() ? homeFolder() + "/.wine" : prefix;
}

std::string fallbackDriveC() {
    return std::filesystem::path(dataHome() + "/quobbin/drive_c").lexically_normal().string();
}

DriveRoots findDriveRoots() {
    const std::string dosdevices = winePrefixFolder() + "/dosdevices";
    if (pathKind(dosdevices) != PathKind::Folder) {
        return {{{'c', fallbackDriveC()}, {'z', "/"}}, true};
    }
    // Every entry, a link to a drive that is away included: such a drive is listed, not ready.
    std::vector<std::string> entries;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dosdevices, error)) {
        if (std::string name = entry.path().filename().string(); isDriveEntry(name)) {
            entries.push_back(std::move(name));
        }
    }
    std::sort(entries.begin(), entries.end());  // "C:" before "c:": the first of a letter counts
    DriveRoots drives;
    for (const std::string& entry : entries) {
        const char letter = char(entry[0] | 0x20);
        if (std::none_of(drives.roots.begin(), drives.roots.end(),
                         [&](const DriveRoot& root) { return root.letter == letter; })) {
            drives.roots.push_back({letter, rootOf(std::filesystem::path(dosdevices) / entry)});
        }
    }
    return drives;
}
