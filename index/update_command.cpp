#include <QPushButton>

#include "app/data_files.h"
#include "app/form1.h"
#include "platform/message_box.h"

namespace {

const QString workingCaption = QStringLiteral("Poser Quobbin  -  Working...");
const QString pleaseSet = QStringLiteral("Please SET the Poser Directory you wish to use.");

// The caption, then "Set", then "Update": busy disables both buttons, idle enables them.
void showState(Form1& form, const QString& caption, bool busy) {
    form.setWindowTitle(caption);
    form.Command4->setEnabled(!busy);
    form.Command5->setEnabled(!busy);
}

QString errorMessage(const QString& nl, const QString& what, const QString& detail) {
    return QStringLiteral("ERROR: ") + nl + nl + what + nl + detail;
}

}  // namespace

void Form1::Command5_Click() {
    ans = MsgBoxYesNo(this, QStringLiteral("Do you want to UPDATE your Poser Files?"));
    if (ans.toInt() != vbYes) {
        return;
    }
    if (PoserDir.isEmpty()) {
        MsgBoxOk(this, errorMessage(nl, QStringLiteral("Poser Directory not set!"), pleaseSet));
        return;
    }
    const QString idleCaption = windowTitle();
    showState(*this, workingCaption, true);
    if (!Dir10.setPath(PoserDir)) {
        // The old index stays as it is: there is nothing to scan.
        showState(*this, idleCaption, false);
        MsgBoxOk(this, errorMessage(nl, QStringLiteral("Poser Directory not found!"),
                                    PoserDir + nl + pleaseSet));
        return;
    }
    PrepareScan();
    ScanLibrary();
    if (ending) {
        return;
    }
    if (!indexOpened) {
        showState(*this, idleCaption, false);
        MsgBoxOk(this, errorMessage(nl, QStringLiteral("Index file could not be written!"),
                                    indexFilePath));
        return;
    }
    showState(*this, QStringLiteral("Poser Quobbin"), false);
}
