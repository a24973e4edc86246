#pragma once

#include <QString>

class QWidget;

// The answers a Yes/No box gives, as the program's shared `ans` holds them.
constexpr int vbYes = 6;
constexpr int vbNo = 7;

inline const QString programTitle = QStringLiteral("Poser Quobbin");

// Modal boxes with no icon and the caption "Poser Quobbin". Texts are shown as plain text,
// so a pasted name with "<" in it is never taken for markup.
void MsgBoxOk(QWidget* parent, const QString& text);
int MsgBoxYesNo(QWidget* parent, const QString& text);
