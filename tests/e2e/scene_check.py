"""The desktop entry's action "Check a scene file" starts the program, which asks for a Poser
file in a file chooser and checks it in a window of its own over the main window; Enter on a
missing file's candidate puts its path on the clipboard. A file dropped onto the main window is
checked too. Given to a second start, as "Open with" gives it, or chosen in the action's chooser
of a second start, the running copy checks it."""
import os
import shlex

from quobbin_e2e import MAIN_WINDOW, check, run, wait_for

FIGURE = "C:\\Poser\\Runtime\\Geo\\Figure.obj"
ENTRY = os.path.join(os.path.dirname(__file__), "..", "..", "desktop", "quobbin.desktop.in")
CHOOSER = r"^Check a scene file$"


def action_arguments(action):
    """The arguments of the program on the Exec line of the desktop entry's action."""
    with open(ENTRY, encoding="utf-8") as entry:
        group = entry.read().split("[Desktop Action %s]" % action)[1].split("\n[")[0]
    exec_line = next(line for line in group.splitlines() if line.startswith("Exec="))
    return shlex.split(exec_line[len("Exec="):])[1:]


def choose_in_chooser(session, path):
    chooser = session.window(CHOOSER)
    session.xdotool("windowfocus", "--sync", chooser)
    session.xdotool("type", "--delay", "20", path)
    session.key("Return")


def test(session):
    session.write_file("Poser/Runtime/Geo/Figure.obj")
    session.write_file("ol/zz", b"C:\\Poser\r\n")
    session.write_file("ol/oz", FIGURE.encode() + b"\r\n")
    scene = b"{\r\nfigureResFile :Runtime:Geometries:Figure.obj\r\n}\r\n"
    first = session.start(*action_arguments("check-scene"))
    main = session.window(MAIN_WINDOW)
    choose_in_chooser(session, session.write_file("studio.pz3", scene))
    studio = session.window(r"^Poser Quobbin  -  studio\.pz3$")
    session.xdotool("windowfocus", "--sync", studio)
    session.key("Down", "Down", "Return")  # the missing file, its first candidate, chosen
    wait_for(lambda: session.clipboard() == FIGURE, "the candidate on the clipboard")

    session.drop_files(main, [session.write_file("Scenes/dropped.pz3", scene)])
    session.window(r"^Poser Quobbin  -  dropped\.pz3$")

    second = session.start(session.write_file("Scenes/pose.pz3", scene))
    check(second.wait(timeout=10) == 0, "a second start with a file did not exit with status 0")
    session.window(r"^Poser Quobbin  -  pose\.pz3$")
    third = session.start(*action_arguments("check-scene"))
    choose_in_chooser(session, session.write_file("Scenes/hair.hr2", scene))
    check(third.wait(timeout=10) == 0, "a second start by the action did not exit with status 0")
    session.window(r"^Poser Quobbin  -  hair\.hr2$")
    check(first.poll() is None, "the first copy ended when the others started")
    check(studio in session.windows(r"^Poser Quobbin  -  studio\.pz3$"),
          "the first scene's window went away")


run(test)
