#pragma once

#include <QStringView>

// Only drive paths ever go to the clipboard: a text whose second and third characters are
// ":\". Poser's dialog, under Wine, opens nothing else.
inline bool isDrivePath(QStringView text) {
    return text.size() >= 3 && text[1] == u':' && text[2] == u'\\';
}
