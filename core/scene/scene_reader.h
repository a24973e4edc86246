#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/scene/scene_reference.h"
#include "core/scene/scene_stream.h"

// No Poser file names this many files; past it the rest are not listed, so that a file made
// of nothing but references cannot fill memory.
constexpr std::size_t maxReferencesPerFile = 100000;

// What reading a Poser file (a scene, figure, pose, prop, hair, face, hand, light, camera or
// material file) found.
struct SceneFile {
    SceneRead status = SceneRead::Read;
    bool compressed = false;
    // Windows-1252 rather than UTF-8: the file is not valid UTF-8 throughout.
    bool ansi = false;
    // Every reference to another file, in line order; when reading fails midway, those before.
    std::vector<SceneReference> references;
    bool referencesCut = false;  // more than maxReferencesPerFile: the rest are left out
};

SceneFile readSceneFile(const std::string& hostPath);
