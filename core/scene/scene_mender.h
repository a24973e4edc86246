#pragma once

#include <cstddef>
#include <string>

#include "core/scene/scene_check.h"

struct MendResult {
    enum class Outcome {
        Mended,
        NothingToMend,  // no missing reference has a candidate: no copy is written
        NotRead,        // the file could not be read whole when it was checked
        Changed,        // the file no longer holds what the check read: check it again
        CannotWrite     // no copy could be written beside it
    };
    Outcome outcome = Outcome::NothingToMend;
    std::string hostPath;  // the mended copy
    std::size_t mended = 0;
};

// A short English phrase for messages: "the file has changed since it was checked".
const char* describeMendOutcome(MendResult::Outcome outcome);

// The name of the mended copy of the file at `hostPath`: "studio.pz3" gets "studio-mended.pz3",
// or "studio-mended-2.pz3" and on when that is taken; empty when all are.
std::string mendedCopyPath(const std::string& hostPath);

// Writes a mended copy of the checked file (the check's first) beside it, never over another
// file and leaving the file itself alone: each missing reference that has a candidate names the
// best one instead, as a colon path from the Poser folder when it lies under it, else as a
// drive path. Every other byte stays as it was, and the copy is compressed when the file was.
MendResult mendScene(const SceneCheck& check);
