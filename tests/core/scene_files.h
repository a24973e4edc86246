#pragma once

#include <string>
#include <string_view>

// An example Poser file of tests/core/scenes, its path in UTF-8.
inline std::string sceneFile(std::string_view name) {
    return std::string(QUOBBIN_TEST_SCENES) + "/" + std::string(name);
}
