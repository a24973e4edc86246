"""What a screen reader reads over AT-SPI: after a look-up with several matches, the results
box reads back every match as text; the look-up box and "?" say what they do."""
import os

os.environ.pop("DISPLAY", None)  # the accessibility bus is found through this D-Bus session
import pyatspi  # noqa: E402

from quobbin_e2e import MAIN_WINDOW, Failure, check, look_up, run, wait_for  # noqa: E402

MATCHES = [r"c:\poser\runtime\geometries\hair\longhair.obj",
           r"c:\poser\runtime\libraries\hair\longhair.hr2",
           r"c:\poser\runtime\textures\hair\longhair.jpg"]


def named(node, name, depth=0):
    """The accessible of that name at or below node, or None."""
    if node is None or depth > 12:
        return None
    if node.name == name:
        return node
    for child in node:
        found = named(child, name, depth + 1)
        if found:
            return found
    return None


def program(process):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == process.pid:
            return app
    return None


def test(session):
    os.makedirs(session.host_path("ol"))
    with open(session.host_path("ol/oz"), "wb") as index:
        index.write("".join(path.upper() + "\r\n" for path in MATCHES).encode())
    process = session.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    main = session.window(MAIN_WINDOW)
    look_up(session, main, "LongHair")
    app = wait_for(lambda: program(process), "the program on the accessibility bus")

    results = wait_for(lambda: named(app, "Results"), "the results box")
    try:
        text = results.queryText()
    except NotImplementedError:
        raise Failure("the results box has no text to read")
    read = wait_for(lambda: text.getText(0, -1) if "(3)" in text.getText(0, -1) else None,
                    "the matches to be read back")
    for number, path in enumerate(MATCHES, start=1):
        check("(%d) %s" % (number, path) in read.splitlines(), "read back: %r" % read)
    check(results.getState().contains(pyatspi.STATE_READ_ONLY), "the results box is editable")

    look_up_box = named(app, "Look-up box")
    check(look_up_box and "looks it up" in look_up_box.description,
          "the look-up box does not say what it does")
    check(named(app, "Help").description, "\"?\" does not say what it does")


run(test)
