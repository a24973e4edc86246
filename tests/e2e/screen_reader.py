# What a screen reader reads over AT-SPI: after a look-up with several matches, the results box,
# read only, reads back every match as text.
import os

os.environ.pop("DISPLAY", None)  # the accessibility bus is found through this D-Bus session
import pyatspi  # noqa: E402

from quobbin_e2e import MAIN_WINDOW, check, look_up, run, wait_for  # noqa: E402

MATCHES = [r"c:\poser\runtime\geometries\hair\longhair.obj",
           r"c:\poser\runtime\libraries\hair\longhair.hr2",
           r"c:\poser\runtime\textures\hair\longhair.jpg"]


# The accessible of that name at or below node, or None.
def named(node, name):
    if node.name == name:
        return node
    return next(filter(None, (named(child, name) for child in node if child)), None)


def program(process):
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app and app.get_process_id() == process.pid), None)


def test(session):
    os.makedirs(session.host_path("ol"))
    with open(session.host_path("ol/oz"), "wb") as index:
        index.write("".join(path.upper() + "\r\n" for path in MATCHES).encode())
    process = session.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    look_up(session, session.window(MAIN_WINDOW), "LongHair")
    app = wait_for(lambda: program(process), "the program on the accessibility bus")
    results = wait_for(lambda: named(app, "Results"), "the results box")
    text = results.queryText()
    read = wait_for(lambda: "(3)" in text.getText(0, -1) and text.getText(0, -1),
                    "the matches to be read back")
    for number, path in enumerate(MATCHES, start=1):
        check("(%d) %s" % (number, path) in read.splitlines(), "read back: %r" % read)
    check(results.getState().contains(pyatspi.STATE_READ_ONLY), "the results box is editable")


run(test)
