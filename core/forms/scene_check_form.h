#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/forms/control.h"
#include "core/forms/form_host.h"
#include "core/scene/scene_check.h"

class Form1;

// What the scene-check window asks of its window beyond its controls.
class SceneCheckHost {
public:
    virtual int MsgBox(const std::string& text, MsgBoxButtons buttons) = 0;
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

protected:
    ~SceneCheckHost() = default;
};

// The scene-check window, free of any toolkit: every file that a Poser file (a scene, or any
// other) names and that is missing, each with the indexed files of its name, best first.
// Choosing one puts its path on the clipboard, as the number buttons do; "Save mended copy"
// writes a copy of the file beside it that names the best of each instead.
class SceneCheckForm {
public:
    struct Missing {
        std::string reference;                // "LINE: KEYWORD: PATH AS WRITTEN", or FILE:LINE...
        std::vector<std::string> candidates;  // drive paths, best first
    };

    // Checks the file at `hostPath` against the Poser folder and the index that `form1` keeps.
    SceneCheckForm(const Form1& form1, SceneCheckHost& host, const std::string& hostPath);
    SceneCheckForm(const SceneCheckForm&) = delete;
    SceneCheckForm& operator=(const SceneCheckForm&) = delete;

    Control Caption;
    Control Label1;  // the summary, or why the file could not be checked
    Control Command1;

    const std::vector<Missing>& missing() const { return missingFiles; }

    // The user chose the n-th candidate of the i-th missing file.
    void Candidate_Click(std::size_t i, std::size_t n);
    void Command1_Click();

private:
    std::string summary() const;

    SceneCheckHost& host;
    SceneCheck check;
    std::vector<Missing> missingFiles;
};
