#pragma once

#include <QString>
#include <string>

#include "core/forms/form_host.h"

class QWidget;

// Modal boxes with no icon and the caption "Poser Quobbin". Texts are shown as plain text,
// so a pasted name with "<" in it is never taken for markup.
void MsgBoxOk(QWidget* parent, const QString& text);
int MsgBoxYesNo(QWidget* parent, const QString& text);
// The same for the core's forms: gives vbOK, vbYes or vbNo.
int showMessageBox(QWidget* parent, const std::string& text, MsgBoxButtons buttons);
