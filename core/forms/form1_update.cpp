#include "core/drives/data_files.h"
#include "core/forms/form1.h"
#include "core/forms/program_title.h"

namespace {

const std::string workingCaption = "Poser Quobbin  -  Working...";
const std::string waitingCaption = "Poser Quobbin  -  Waiting for another Update...";
const std::string pleaseSet = "Please SET the Poser Directory you wish to use.";
const std::string notReady = "Is its drive connected? Your index was kept as it was.";

// How long pending events may wait while a scan lets them run: less than a frame, so a click or
// a repaint is not held up, yet seldom enough that the event rounds cost the walk next to
// nothing (a round per step would cost more than the step).
constexpr auto yieldInterval = std::chrono::milliseconds(4);

}  // namespace

void Form1::Command5_Click() {
    ans = std::to_string(
        host.MsgBox("Do you want to UPDATE your Poser Files?", MsgBoxButtons::YesNo));
    if (ans != std::to_string(vbYes)) {
        return;
    }
    // The caption changes only while the scan runs: a folder that is not set or not found
    // shows nothing in between, as no event runs before the message.
    const std::string idleCaption = Caption.text();
    showState(workingCaption, true);
    const UpdateOutcome outcome = ScanLibrary();
    if (outcome == UpdateOutcome::Stopped) {
        return;  // the program is ending
    }
    if (outcome == UpdateOutcome::Written) {
        showState(programTitle, false);
        return;
    }
    // The old index stays as it is.
    showState(idleCaption, false);
    host.MsgBox(failureMessage(outcome), MsgBoxButtons::OkOnly);
}

// The caption, then "Set", then "Update": busy disables both buttons, idle enables them.
void Form1::showState(const std::string& caption, bool busy) {
    Caption.setText(caption);
    Command4.setEnabled(!busy);
    Command5.setEnabled(!busy);
}

std::string Form1::failureMessage(UpdateOutcome outcome) const {
    switch (outcome) {
        case UpdateOutcome::NotSet:
            return errorMessage(nl, "Poser Directory not set!", pleaseSet);
        case UpdateOutcome::FolderMissing:
            return errorMessage(nl, "Poser Directory not found!", PoserDir + nl + pleaseSet);
        case UpdateOutcome::NotWritten:
            return errorMessage(nl, "Index file could not be written!", indexFilePath);
        case UpdateOutcome::NotReady:
            return errorMessage(nl, "Poser Directory not ready!", PoserDir + nl + notReady);
        case UpdateOutcome::Written:
        case UpdateOutcome::Stopped:
            break;
    }
    return {};
}

UpdateOutcome Form1::ScanLibrary() {
    nextYield = {};  // the first step of a walk with "Multi-task" ticked lets events run
    waitShown = false;
    const UpdateOutcome outcome = updateIndex(scan, PoserDir, [this] { return letEventsRun(); });
    publishLastExtension();
    return outcome;
}

// `ans` holds the last extension whenever another handler can look at it; the walk does not
// build it for every file.
void Form1::publishLastExtension() {
    if (std::string extension = scan.lastExtension(); !extension.empty()) {
        ans = std::move(extension);
    }
}

// While "Multi-task" is ticked, pending events run at most every few milliseconds; the box is
// read afresh at every step. While another Update holds the index they run at every retry
// whatever the box says: that wait lasts as long as the other Update, and the window must not
// freeze for it. False when the program is ending.
bool Form1::letEventsRun() {
    if (ending || host.isQuitAsked()) {
        return false;
    }
    if (scan.isWaiting() != waitShown) {
        waitShown = scan.isWaiting();
        Caption.setText(waitShown ? waitingCaption : workingCaption);
    }
    if (!waitShown) {
        if (!Check1.checked()) {
            return true;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now < nextYield) {
            return true;
        }
        nextYield = now + yieldInterval;
    }
    publishLastExtension();
    return host.DoEvents() && !ending;
}
