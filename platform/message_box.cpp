#include "platform/message_box.h"

#include <QMessageBox>

#include "core/forms/program_title.h"

namespace {

int runBox(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(programTitle), text, buttons,
                    parent);
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

int showMessageBox(QWidget* parent, const std::string& text, MsgBoxButtons buttons) {
    if (buttons == MsgBoxButtons::YesNo) {
        return MsgBoxYesNo(parent, QString::fromStdString(text));
    }
    MsgBoxOk(parent, QString::fromStdString(text));
    return vbOK;
}
