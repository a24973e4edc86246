#pragma once

#include <windows.h>

#include <string>

// The clipboard as Unicode text, in UTF-8 here; `owner` is the window that sets it.
std::string clipboardText(HWND owner);  // empty when it holds no text
void clearClipboard(HWND owner);
void setClipboardText(HWND owner, const std::string& text);
