
#include "app/form1.h"
#include "lookup/drive_path_rule.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/results_box.h"

namespace {

// What every number button does, with the path stored for it by the last look-up.
void sendStoredPath(QWidget* form, const QString& storedPath) {
    if (isDrivePath(storedPath)) {
        clearClipboard();
        setClipboardText(storedPath);
    } else {
        MsgBoxOk(form, QStringLiteral("Can't send information."));
    }
}

}  // namespace

void Form1::Command9_Click() {
    sendStoredPath(this, hit1);
}

void Form1::Command6_Click() {
    sendStoredPath(this, hit2);
}

void Form1::Command10_Click() {
    sendStoredPath(this, hit3);
}

void Form1::Command11_Click() {
    sendStoredPath(this, hit4);
}

void Form1::Command12_Click() {
    sendStoredPath(this, hit5);
}

void Form1::Command3_Click() {
    Text1->setPlainText(QString());
    Text2->setText(QString());
}
