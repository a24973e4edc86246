#pragma once

#include <windows.h>

#include <string>

#include "core/forms/form_host.h"

// The system's message box with no icon and the program's caption; gives vbOK, vbYes or vbNo,
// which are the system's own answers.
int showMessageBox(HWND owner, const std::string& text, MsgBoxButtons buttons);
