#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "system/runtime_folder.h"

namespace {

// A variable that holds a relative path is ignored, as the XDG base-directory rules say.
std::string absoluteFolderFrom(const char* variable) {
    const char* folder = std::getenv(variable);
    return folder != nullptr && folder[0] == '/' ? std::string(folder) : std::string();
}

// Anyone may make a folder in the temporary folder, under any name, and a runtime folder may
// be set up wrongly: only one that this user owns and no one else may enter is private.
bool isPrivateFolder(const std::string& folder) {
    struct stat info {};
    return !folder.empty() && lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 0777) == 0700;
}

// Folders named `stem` and six characters of chance, as mkdtemp makes them: the first by name
// that is private, so that every copy of the program finds the same one.
std::string firstPrivateFolder(const std::filesystem::path& stem) {
    const std::string prefix = stem.filename().string();
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(stem.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (std::string folder = (stem.parent_path() / name).string(); isPrivateFolder(folder)) {
            return folder;
        }
    }
    return {};
}

std::string temporaryFolder() {
    const std::string folder = absoluteFolderFrom("TMPDIR");
    return folder.empty() ? "/tmp" : folder;
}

}  // namespace

std::string privateRuntimeFolder() {
    std::string runtime = absoluteFolderFrom("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime)) {
        return runtime;
    }
    std::string own = temporaryFolder() + "/quobbin-" + std::to_string(getuid());
    ::mkdir(own.c_str(), 0700);
    if (isPrivateFolder(own)) {
        return own;
    }
    // Another user took the name first: one is made under a name of chance, which later starts
    // find again.
    const std::string stem = own + '-';
    std::string made = firstPrivateFolder(stem);
    if (made.empty()) {
        std::string name = stem + "XXXXXX";
        if (mkdtemp(name.data()) != nullptr) {
            made = firstPrivateFolder(stem);
        }
    }
    return made;
}
