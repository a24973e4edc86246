#include "system/ansi_code_page.h"

std::string utf8FromAnsiCodePage(std::string_view ansi) {
    return std::string(ansi);
}
