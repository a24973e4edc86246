#include "core/scene/reference_paths.h"

#include "core/scene/scene_reference.h"
#include "core/text/letter_case.h"

namespace {

std::vector<std::string> namesOf(std::string_view path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of(":\\/", start), path.size());
        if (end > start) {
            names.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return names;
}

std::string lowered(std::string_view utf8) {
    std::string lower;
    appendLowerCaseUtf8(lower, utf8);
    return lower;
}

std::string joined(std::string_view folder, const std::vector<std::string>& names,
                   std::size_t from = 0) {
    std::string path(folder);
    for (std::size_t i = from; i < names.size(); ++i) {
        path += '\\';
        path += names[i];
    }
    return path;
}

bool isWindowsAbsolute(std::string_view path) {
    return path.size() >= 3 && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') &&
           path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

}  // namespace

PathForm pathForm(std::string_view path, std::string_view keyword) {
    if (path.starts_with("\\\\") || path.starts_with("//")) {
        return PathForm::Unc;
    }
    if (isWindowsAbsolute(path)) {
        return PathForm::WindowsAbsolute;
    }
    if (path.starts_with(':')) {
        return namesImage(keyword) && !lowered(path).starts_with(":runtime:")
                   ? PathForm::Textures
                   : PathForm::PoserFolder;
    }
    if (path.find(':') != std::string_view::npos) {
        return PathForm::MacAbsolute;
    }
    if (path.find_first_of("\\/") == std::string_view::npos && namesImage(keyword)) {
        return PathForm::BareName;
    }
    return PathForm::PoserFolder;
}

std::string texturesFolder(std::string_view poserFolder) {
    return std::string(poserFolder) + "\\Runtime\\Textures";
}

std::string drivePathFor(std::string_view path, std::string_view keyword,
                         std::string_view poserFolder) {
    const std::vector<std::string> names = namesOf(path);
    switch (pathForm(path, keyword)) {
        case PathForm::PoserFolder:
            return joined(poserFolder, names);
        case PathForm::Textures:
        case PathForm::BareName:
            return joined(texturesFolder(poserFolder), names);
        case PathForm::WindowsAbsolute:
            return std::string(path.substr(0, 2)) + joined("", names, 1);
        case PathForm::Unc:
            return {};
        case PathForm::MacAbsolute:
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (lowered(names[i]) == "runtime") {
                    return joined(poserFolder, names, i);
                }
            }
            return {};
    }
    return {};
}

std::vector<std::string> loweredNames(std::string_view path) {
    std::vector<std::string> names = namesOf(path);
    for (std::string& name : names) {
        name = lowered(name);
    }
    return names;
}

std::string pathToWrite(std::string_view drivePath, std::string_view poserFolder) {
    const std::string folder = lowered(poserFolder) + '\\';
    if (!lowered(drivePath).starts_with(folder)) {
        return std::string(drivePath);
    }
    std::string colonPath;
    for (const std::string& name : namesOf(drivePath.substr(folder.size()))) {
        colonPath += ':';
        colonPath += name;
    }
    return colonPath;
}
