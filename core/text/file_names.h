#pragma once

#include <string_view>

// Whether a name can stand in a Windows path and name the file it names there: valid UTF-8;
// no \ / : * ? " < > | and no control character; no trailing dot or blank, which Windows strips
// (the path would name another file); no device's name, which Windows opens instead of the
// file. Other names cannot be given to Poser and are never listed.
bool isListableName(std::string_view name);
