#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

#include "app/form1.h"
#include "core/drives/data_files.h"
#include "platform/message_box.h"
#include "platform/program_title.h"
#include "platform/quit_signals.h"

namespace {

const QString workingCaption = QStringLiteral("Poser Quobbin  -  Working...");
const QString waitingCaption = QStringLiteral("Poser Quobbin  -  Waiting for another Update...");
const QString pleaseSet = QStringLiteral("Please SET the Poser Directory you wish to use.");
const QString notReady = QStringLiteral("Is its drive connected? Your index was kept as it was.");

// How long pending events may wait while a scan lets them run: less than a frame, so a click or
// a repaint is not held up, yet seldom enough that the event rounds cost the walk next to
// nothing (a round per step would cost more than the step).
constexpr auto yieldInterval = std::chrono::milliseconds(4);

// The caption, then "Set", then "Update": busy disables both buttons, idle enables them.
void showState(Form1& form, const QString& caption, bool busy) {
    form.setWindowTitle(caption);
    form.Command4->setEnabled(!busy);
    form.Command5->setEnabled(!busy);
}

}  // namespace

void Form1::Command5_Click() {
    ans = MsgBoxYesNo(this, QStringLiteral("Do you want to UPDATE your Poser Files?"));
    if (ans.toInt() != vbYes) {
        return;
    }
    // The caption changes only while the scan runs: a folder that is not set or not found
    // shows nothing in between, as no event runs before the message.
    const QString idleCaption = windowTitle();
    showState(*this, workingCaption, true);
    const UpdateOutcome outcome = ScanLibrary();
    if (outcome == UpdateOutcome::Stopped) {
        return;  // the program is ending
    }
    if (outcome == UpdateOutcome::Written) {
        showState(*this, programTitle, false);
        return;
    }
    // The old index stays as it is.
    showState(*this, idleCaption, false);
    MsgBoxOk(this, failureMessage(outcome));
}

QString Form1::failureMessage(UpdateOutcome outcome) const {
    switch (outcome) {
        case UpdateOutcome::NotSet:
            return errorMessage(nl, QStringLiteral("Poser Directory not set!"), pleaseSet);
        case UpdateOutcome::FolderMissing:
            return errorMessage(nl, QStringLiteral("Poser Directory not found!"),
                                PoserDir + nl + pleaseSet);
        case UpdateOutcome::NotWritten:
            return errorMessage(nl, QStringLiteral("Index file could not be written!"),
                                QString::fromStdString(indexFilePath));
        case UpdateOutcome::NotReady:
            return errorMessage(nl, QStringLiteral("Poser Directory not ready!"),
                                PoserDir + nl + notReady);
        case UpdateOutcome::Written:
        case UpdateOutcome::Stopped:
            break;
    }
    return {};
}

UpdateOutcome Form1::ScanLibrary() {
    nextYield = {};  // the first step of a walk with "Multi-task" ticked lets events run
    waitShown = false;
    const UpdateOutcome outcome =
        updateIndex(scan, PoserDir.toStdString(), [this] { return letEventsRun(); });
    publishLastExtension();
    return outcome;
}

// `ans` holds the last extension whenever another handler can look at it; the walk does not
// build it for every file.
void Form1::publishLastExtension() {
    if (const std::string extension = scan.lastExtension(); !extension.empty()) {
        ans = QString::fromStdString(extension);
    }
}

// While "Multi-task" is ticked, pending events run at most every few milliseconds; the box is
// read afresh at every step. While another Update holds the index they run at every retry
// whatever the box says: that wait lasts as long as the other Update, and the window must not
// freeze for it. False when the program is ending.
bool Form1::letEventsRun() {
    if (QuitSignals::received()) {
        return false;
    }
    if (scan.isWaiting() != waitShown) {
        waitShown = scan.isWaiting();
        setWindowTitle(waitShown ? waitingCaption : workingCaption);
    }
    if (!waitShown) {
        if (!Check1->isChecked()) {
            return true;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now < nextYield) {
            return true;
        }
        nextYield = now + yieldInterval;
    }
    publishLastExtension();
    QCoreApplication::processEvents();
    return !ending;
}
