#include "platform/message_box.h"

#include <QMessageBox>

namespace {

int runBox(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::No)) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    return box.exec();
}

}  // namespace

void MsgBoxOk(QWidget* parent, const QString& text) {
    runBox(parent, text, QMessageBox::Ok);
}

int MsgBoxYesNo(QWidget* parent, const QString& text) {
    return runBox(parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? vbYes
                                                                                        : vbNo;
}

QString errorMessage(const QString& nl, const QString& what, const QString& detail) {
    return QStringLiteral("ERROR: ") + nl + nl + what + nl + detail;
}
