#include "core/forms/scene_check_form.h"

#include "core/drives/data_files.h"
#include "core/forms/form1.h"
#include "core/forms/program_title.h"
#include "core/scene/scene_mender.h"

namespace {

std::string ownName(const std::string& hostPath) {
    return hostPath.substr(hostPath.find_last_of("/\\") + 1);
}

}  // namespace

SceneCheckForm::SceneCheckForm(const Form1& form1, SceneCheckHost& host,
                               const std::string& hostPath)
    : Caption(programTitle + "  -  " + ownName(hostPath)),
      Command1("Save mended copy"),
      host(host) {
    const std::optional<ResolvedPath> index = form1.drives.resolve(indexFilePath);
    check = checkScene(form1.drives, form1.PoserDir, hostPath, index ? index->hostPath : "");
    bool anyCandidate = false;
    for (const CheckedFile& file : check.files) {
        const std::string where = &file == &check.files.front() ? "" : file.hostPath + ":";
        for (std::size_t i = 0; i < file.checks.size(); ++i) {
            if (file.checks[i].found) {
                continue;
            }
            const SceneReference& reference = file.file.references[i];
            missingFiles.push_back({where + std::to_string(reference.line) + ": " +
                                        reference.keyword + ": " + reference.path,
                                    file.checks[i].candidates});
            anyCandidate = anyCandidate || !file.checks[i].candidates.empty();
        }
    }
    Label1.setText(summary());
    Command1.setEnabled(anyCandidate);
}

std::string SceneCheckForm::summary() const {
    if (!check.poserFolderFound) {
        return "The Poser folder is not set or not found: press Set to choose it.";
    }
    const SceneFile& scene = check.files.front().file;
    if (scene.status != SceneRead::Read) {
        return std::string("The file cannot be checked: ") + describeSceneRead(scene.status) + ".";
    }
    if (check.index != IndexSearch::Searched) {
        return "There is no index of your Poser files yet: press Update to make one.";
    }
    std::size_t references = 0;
    std::size_t withoutCandidate = 0;
    for (const CheckedFile& file : check.files) {
        references += file.checks.size();
    }
    for (const Missing& missing : missingFiles) {
        withoutCandidate += missing.candidates.empty() ? 1 : 0;
    }
    return std::to_string(references) + " references, " + std::to_string(missingFiles.size()) +
           " missing, " + std::to_string(withoutCandidate) + " without a candidate";
}

void SceneCheckForm::Candidate_Click(std::size_t i, std::size_t n) {
    sendPath(host, missingFiles.at(i).candidates.at(n));
}

void SceneCheckForm::Command1_Click() {
    if (check.files.empty()) {
        return;  // nothing was checked
    }
    const MendResult mended = mendScene(check);
    if (mended.outcome == MendResult::Outcome::Mended) {
        host.MsgBox("The mended copy, " + std::to_string(mended.mended) +
                        " references pointing where the files are, is saved as\r\n" +
                        mended.hostPath,
                    MsgBoxButtons::OkOnly);
    } else {
        host.MsgBox(
            std::string("No mended copy was saved: ") + describeMendOutcome(mended.outcome) + ".",
            MsgBoxButtons::OkOnly);
    }
}
