"""A Poser file given to the program, as "Open with" gives it, is checked in a window of its own
over the main window; given to a second start, the running copy checks it. Enter on a missing
file's candidate puts its path on the clipboard."""
import os

from quobbin_e2e import MAIN_WINDOW, check, run, wait_for

FIGURE = "C:\\Poser\\Runtime\\Geo\\Figure.obj"


def write(session, relative, content=b""):
    path = session.host_path(relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as file:
        file.write(content)
    return path


def test(session):
    write(session, "Poser/Runtime/Geo/Figure.obj")
    write(session, "ol/zz", b"C:\\Poser\r\n")
    write(session, "ol/oz", FIGURE.encode() + b"\r\n")
    scene = b"{\r\nfigureResFile :Runtime:Geometries:Figure.obj\r\n}\r\n"
    first = session.start(write(session, "studio.pz3", scene))
    session.window(MAIN_WINDOW)
    studio = session.window(r"^Poser Quobbin  -  studio\.pz3$")

    second = session.start(write(session, "Scenes/pose.pz3", scene))
    check(second.wait(timeout=10) == 0, "a second start with a file did not exit with status 0")
    pose = session.window(r"^Poser Quobbin  -  pose\.pz3$")
    check(first.poll() is None, "the first copy ended when the second started")

    session.xdotool("windowfocus", "--sync", pose)
    session.key("Down", "Down", "Return")  # the missing file, its first candidate, chosen
    wait_for(lambda: session.clipboard() == FIGURE, "the candidate on the clipboard")
    check(studio in session.windows(r"^Poser Quobbin  -  studio\.pz3$"),
          "the first scene's window went away")


run(test)
