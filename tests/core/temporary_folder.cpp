#include "tests/core/temporary_folder.h"

#include <fstream>
#include <random>

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
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary).write(content.data(), std::streamsize(content.size()));
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}
