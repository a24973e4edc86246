#include "windows/message_box.h"

#include "core/forms/program_title.h"
#include "system/wide_text.h"

static_assert(vbOK == IDOK && vbYes == IDYES && vbNo == IDNO);

int showMessageBox(HWND owner, const std::string& text, MsgBoxButtons buttons) {
    const UINT style = buttons == MsgBoxButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    return MessageBoxW(owner, wideText(text).c_str(), wideText(programTitle).c_str(),
                       style | MB_SETFOREGROUND);
}
