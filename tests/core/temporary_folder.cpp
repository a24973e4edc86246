#include "tests/core/temporary_folder.h"

#include <fstream>
#include <random>

namespace {

// Names and paths in UTF-8 on every system: a narrow path would be the ANSI code page on Windows.
std::filesystem::path pathIn(const std::filesystem::path& folder, std::string_view utf8Name) {
    return folder / std::u8string(utf8Name.begin(), utf8Name.end());
}

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    do {
        folder = temporary / ("quobbin-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder));
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string TemporaryFolder::writeFile(std::string_view name, std::string_view content) const {
    const std::filesystem::path path = pathIn(folder, name);
    std::ofstream(path, std::ios::binary).write(content.data(), std::streamsize(content.size()));
    return utf8Of(path);
}

std::string TemporaryFolder::makeFolder(std::string_view name) const {
    const std::filesystem::path path = pathIn(folder, name);
    std::filesystem::create_directory(path);
    return utf8Of(path);
}
