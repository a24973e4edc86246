#include "core/text/file_names.h"

#include <doctest.h>

#include <string_view>

TEST_CASE("only a name that names its file in a Windows path is listed") {
    const std::string_view listed[] = {"Skin.jpg", "\u00C9t\u00E9 \u770B\u677F.obj", " .profile",
                                       // No device's name, though near one.
                                       "com0.obj", "com10.obj", "conin.obj", "auxx.obj", "a.con",
                                       " con.obj"};
    const std::string_view refused[] = {
        // What Windows keeps out of names; a line end would forge an index line.
        "a:b.obj", "what?.obj", "say\"hi\".obj", "a<b>.obj", "pipe|.obj", "star*.obj",
        "back\\slash.obj", "tab\t.obj", "line\r\nforged.obj", "bad\xFF.obj", "",
        // Windows strips a trailing dot or blank: the path would name another file.
        "odd.", "blank ",
        // Windows opens the device instead of the file.
        "aux.obj", "NUL", "con .obj", "com1.cr2", "Lpt9.obj", "CONIN$.obj", "conout$.a.b", "Prn"};
    for (const std::string_view name : listed) {
        CAPTURE(name);
        CHECK(isListableName(name));
    }
    for (const std::string_view name : refused) {
        CAPTURE(name);
        CHECK(!isListableName(name));
    }
}
