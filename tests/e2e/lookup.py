"""A user's look-up in the built program: a name copied with xclip, a click on the look-up box,
the path read back with xclip while the program runs; a double click looks up once; with
several matches a number button sends its match."""
import os
import time

from quobbin_e2e import (MAIN_WINDOW, MESSAGE_BOX, NUMBER_BUTTONS, check, clipboard_becomes,
                         look_up, run)

INDEX = [
    r"C:\Poser\Runtime\Geometries\Figure.obj",
    r"C:\Poser\Runtime\Libraries\Character\Figure.cr2",
    r"C:\Poser\Runtime\Textures\A\Skin.jpg",
    r"C:\Poser\Runtime\Textures\B\Skin.jpg",
]


def test(session):
    index = session.host_path("ol/oz")
    os.makedirs(os.path.dirname(index))
    with open(index, "wb") as out:
        out.write("".join(line + "\r\n" for line in INDEX).encode())
    session.start()
    window = session.window(MAIN_WINDOW)

    look_up(session, window, "Figure.OBJ")
    clipboard_becomes(session, r"c:\poser\runtime\geometries\figure.obj")

    # A second look-up would read the path just sent, find nothing and say so in a box.
    look_up(session, window, "figure.cr2", double=True)
    clipboard_becomes(session, r"c:\poser\runtime\libraries\character\figure.cr2")
    time.sleep(1)
    check(not session.windows(MESSAGE_BOX), "a double click ran a second look-up")
    check(session.clipboard() == r"c:\poser\runtime\libraries\character\figure.cr2",
          "the clipboard changed after the look-up")

    look_up(session, window, "skin.jpg")
    time.sleep(0.5)
    session.click(window, *NUMBER_BUTTONS[1])
    clipboard_becomes(session, r"c:\poser\runtime\textures\b\skin.jpg")


run(test)
