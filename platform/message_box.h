#pragma once

#include <QString>

#include "platform/program_title.h"

class QWidget;

// The answers a Yes/No box gives, as the program's shared `ans` holds them.
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Modal boxes with no icon and the caption "Poser Quobbin". Texts are shown as plain text,
// so a pasted name with "<" in it is never taken for markup.
void MsgBoxOk(QWidget* parent, const QString& text);
int MsgBoxYesNo(QWidget* parent, const QString& text);

// The program's error message: "ERROR: ", a blank line, what went wrong, then the detail.
QString errorMessage(const QString& nl, const QString& what, const QString& detail);
