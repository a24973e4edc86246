#pragma once

#include <QString>

// The clipboard as plain text: the only channel to and from Poser's locate-file dialog.
QString clipboardText();  // empty when it holds no text
void clearClipboard();
void setClipboardText(const QString& text);
