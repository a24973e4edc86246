#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/drives/drives.h"
#include "core/lookup/index_search.h"
#include "core/scene/scene_reader.h"

// What became of one reference.
struct ReferenceCheck {
    bool found = false;
    // Where Poser finds the file, as it stands on disk; empty when missing.
    std::string drivePath;
    // When missing: the index's lines of the same file name, best first: those with the most
    // folder names in common with the written path, counted from the file backwards, then in
    // index order.
    std::vector<std::string> candidates;
};

struct CheckedFile {
    std::string hostPath;
    SceneFile file;
    std::vector<ReferenceCheck> checks;  // one for each of file.references, in the same order
};

struct SceneCheck {
    bool poserFolderFound = true;  // false: nothing was checked
    std::string poserFolder;       // its drive path as it stands on disk
    // How the index was read; Searched also when no reference needed it.
    IndexSearch index = IndexSearch::Searched;
    // The scene first, then each Poser file that it reads in and that exists, each once.
    std::vector<CheckedFile> files;

    std::size_t missingCount() const;
};

// Reads the scene (or any Poser file) at `sceneHostPath`, and every Poser file it reads in, and
// finds each file they name as Poser would from the Poser folder (a drive path). The names of
// the missing ones are then looked up in one pass over the index.
SceneCheck checkScene(const Drives& drives, std::string_view poserFolder,
                      const std::string& sceneHostPath, const std::string& indexHostPath);
