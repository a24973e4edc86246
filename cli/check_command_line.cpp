#include "cli/check_command_line.h"

#include <algorithm>
#include <cstdio>

#include "cli/command_line.h"
#include "core/drives/data_files.h"
#include "core/scene/scene_check.h"
#include "core/scene/scene_mender.h"
#include "core/settings/settings_file.h"

namespace {

struct Counts {
    std::size_t references = 0;
    std::size_t missing = 0;
    std::size_t withoutCandidate = 0;
};

// Each missing reference, "FILE:LINE: KEYWORD: PATH", then its candidates.
Counts printMissing(const CheckedFile& checked, const std::string& shownName) {
    Counts counts;
    for (std::size_t i = 0; i < checked.checks.size(); ++i) {
        ++counts.references;
        const ReferenceCheck& check = checked.checks[i];
        if (check.found) {
            continue;
        }
        ++counts.missing;
        const SceneReference& reference = checked.file.references[i];
        printLine(stdout, shownName + ':' + std::to_string(reference.line) + ": " +
                              reference.keyword + ": " + reference.path);
        if (check.candidates.empty()) {
            ++counts.withoutCandidate;
            printLine(stdout, "  (none)");
        }
        for (std::size_t n = 0; n < check.candidates.size(); ++n) {
            printLine(stdout, "  (" + std::to_string(n + 1) + ") " + check.candidates[n]);
        }
    }
    return counts;
}

std::string summary(const Counts& counts) {
    return std::to_string(counts.references) + " references, " + std::to_string(counts.missing) +
           " missing, " + std::to_string(counts.withoutCandidate) + " without a candidate";
}

// The mended copy, and what the summary says of it.
std::string mend(const SceneCheck& check) {
    const MendResult mended = mendScene(check);
    if (mended.outcome == MendResult::Outcome::Mended) {
        return "; " + std::to_string(mended.mended) + " mended in " + mended.hostPath;
    }
    return std::string("; no mended copy: ") + describeMendOutcome(mended.outcome);
}

int checkFile(const Drives& drives, const std::string& poserDir, const std::string& indexHost,
              const std::string& file, bool fix) {
    const SceneCheck check = checkScene(drives, poserDir, file, indexHost);
    if (!check.poserFolderFound) {
        return complain(exitNotFound, "the Poser folder " + poserDir +
                                          " is not found: start Quobbin and press Set to "
                                          "choose it");
    }
    const SceneFile& scene = check.files.front().file;
    if (scene.status != SceneRead::Read) {
        return complain(exitIndexFailed, file + ": " + describeSceneRead(scene.status));
    }
    if (check.index != IndexSearch::Searched) {
        return complainOfIndex(check.index);
    }
    Counts all;
    for (const CheckedFile& checked : check.files) {
        const Counts counts =
            printMissing(checked, &checked == &check.files.front() ? file : checked.hostPath);
        all.references += counts.references;
        all.missing += counts.missing;
        all.withoutCandidate += counts.withoutCandidate;
    }
    if (scene.referencesCut) {
        complain(exitDone, file + ": only its first references were checked");
    }
    printLine(stdout, summary(all) + (fix ? mend(check) : std::string()));
    return all.missing == 0 ? exitDone : exitNotFound;
}

}  // namespace

int checkFromCommandLine(const std::vector<std::string>& files, bool fix) {
    const Drives drives = Drives::ofSystem();
    const std::string poserDir = settingsFileOf(drives).storedFolder().value_or("");
    if (poserDir.empty()) {
        return complain(exitNotFound,
                        "no Poser folder is set: start Quobbin and press Set to choose it");
    }
    const std::optional<ResolvedPath> index = drives.resolve(indexFilePath);
    int status = exitDone;
    for (const std::string& file : files) {
        const int fileStatus =
            checkFile(drives, poserDir, index ? index->hostPath : std::string(), file, fix);
        status = std::max(status, fileStatus);
    }
    return status;
}
