#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A folder of the test's own in the system's temporary folder, removed with all it holds.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // A file in the folder holding `content`; its path in UTF-8, as the system services take it.
    std::string writeFile(std::string_view name, std::string_view content) const;
    // A subfolder, made; its path in UTF-8.
    std::string makeFolder(std::string_view name) const;

private:
    std::filesystem::path folder;
};
