"""Quobbin.exe under Wine and Xvfb, driven as a user drives it: the first start makes C:\\ol,
the Poser folder is set through the dialog, Update runs with and without Multi-task, a name
copied on the X side is looked up, a number button puts its path on the clipboard, a second
start leaves the first alone, and closing the window mid-scan keeps the old index.
usage: windows_journey.py PREFIX QUOBBIN.EXE"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from quobbin_e2e import (HELP_PAGES, LOOKUP_BOX, MAIN_WINDOW, MULTI_TASK_BOX, NUMBER_BUTTONS,
                         SETUP_DIALOG, Failure, Session, check, clipboard_becomes, look_up,
                         page_through_help, press_set, press_set_poser, press_update,
                         save_screenshot, wait_for)

WINE = "/usr/lib/wine/wine64"


class WineSession(Session):
    """The build's Wine prefix, shared with the other Windows tests, which run one at a time."""

    def __init__(self, prefix, program):
        super().__init__(program)
        self.prefix = os.path.abspath(prefix)
        self.drive_c = os.path.join(self.prefix, "drive_c")
        self.env.update(WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")

    def start(self, *args, **env):
        # Started in drive c:'s root, which the Poser folder dialog then opens at.
        process = subprocess.Popen([WINE, self.program, *args], env=dict(self.env, **env),
                                   cwd=self.drive_c, stdout=subprocess.DEVNULL)
        self.processes.append(process)
        return process


def set_poser_folder(session, main):
    """Opens C:\\Poser Test with the keys (rows C:\\, ol, Poser Test, ...) and sets it."""
    dialog = press_set(session, main)
    session.click(dialog, 60, 80)
    session.key("Home", "Down", "Down", "Return")
    time.sleep(0.5)
    save_screenshot(session, "windows_poser_folder_dialog", dialog)
    press_set_poser(session, dialog)
    wait_for(lambda: not session.windows(SETUP_DIALOG), "the dialog to hide")
    settings = session.read_file("ol/zz")
    check(settings == b"C:\\Poser Test\r\n", "zz holds %r" % settings)


def update(session, main):
    press_update(session, main)
    wait_for(lambda: session.window_name(main) == "Poser Quobbin", "the scan to end", 60)


def test(session):
    for relative in ["ol", "Poser Test"]:
        subprocess.run(["rm", "-rf", session.host_path(relative)], check=True)
    session.write_file("Poser Test/Runtime/Geometries/Ünï/Figure.obj")
    session.write_file("Poser Test/Runtime/Libraries/Character/Figure.cr2")
    session.write_file("Poser Test/Runtime/Textures/Old/Figure.obj")
    session.start()
    main = session.window(MAIN_WINDOW, timeout=60)
    wait_for(lambda: os.path.isdir(session.host_path("ol")), "C:\\ol to be made")
    set_poser_folder(session, main)
    page = page_through_help(session, main, lambda number, page: save_screenshot(
        session, "windows_help_%d" % number, page))
    session.close_box(page)
    wait_for(lambda: not session.windows(HELP_PAGES[2]), "page 3 to close")

    update(session, main)
    index = session.read_file("ol/oz")
    check(index.startswith("C:\\Poser Test\\Runtime\\Geometries\\Ünï\\Figure.obj\r\n".encode()),
          "the index holds %r" % index)
    session.click(main, *MULTI_TASK_BOX)
    update(session, main)
    check(session.read_file("ol/oz") == index, "a Multi-task Update wrote another index")

    look_up(session, main, "FIGURE.OBJ")  # two matches, for the number buttons to choose
    press_until(session, lambda: session.click(main, *NUMBER_BUTTONS[1]),
                "c:\\poser test\\runtime\\textures\\old\\figure.obj")
    save_screenshot(session, "windows_main_window", main)
    session.key("1")
    clipboard_becomes(session, "c:\\poser test\\runtime\\geometries\\ünï\\figure.obj")
    session.set_clipboard("figure.CR2")  # one match, sent at once; Enter in the box looks up
    session.click(main, *LOOKUP_BOX)
    clipboard_becomes(session, "c:\\poser test\\runtime\\libraries\\character\\figure.cr2")
    session.set_clipboard("Figure.obj")
    session.key("Return")
    press_until(session, lambda: session.key("1"),
                "c:\\poser test\\runtime\\geometries\\ünï\\figure.obj")

    check_scene_in_running_copy(session, main)
    closed_mid_scan(session, main, index)
    at_144_dots_per_inch(session)


def press_until(session, press, text):
    """Presses again, as a user would, until the clipboard holds the text: a number button
    shows only once the look-up before it has ended."""
    def pressed():
        press()
        time.sleep(0.5)
        return session.clipboard() == text
    wait_for(pressed, "the clipboard to hold " + text)


def check_scene_in_running_copy(session, main):
    """Explorer's "Open with" starts a second copy with the file: the running copy checks it."""
    session.write_file("Scenes/studio.pz3",
          b"{\r\nfigureResFile :Runtime:Geometries:Moved:Figure.obj\r\n}\r\n")
    second = session.start("C:\\Scenes\\studio.pz3")
    check(second.wait(timeout=60) == 0, "a second start failed")
    studio = session.window(r"^Poser Quobbin  -  studio\.pz3$")
    check(session.windows(r"^Poser Quobbin$") == [main], "a second start showed its main window")
    session.key("Down", "Return")  # the missing file's first candidate, the likeliest
    clipboard_becomes(session, "C:\\Poser Test\\Runtime\\Geometries\\Ünï\\Figure.obj")
    save_screenshot(session, "windows_scene_check", studio)
    session.key("Escape")
    wait_for(lambda: not session.windows(r"^Poser Quobbin  -  "), "the scene's window to close")
    # Dropped from a file manager on the X side, which Wine passes on as dropped files.
    session.drop_files(main, [session.write_file("Scenes/dropped.pz3", b"{\r\n}\r\n")])
    session.window(r"^Poser Quobbin  -  dropped\.pz3$")
    session.key("Escape")
    wait_for(lambda: not session.windows(r"^Poser Quobbin  -  "), "the scene's window to close")
    # The Start menu's "Check a scene file" asks for the file in the system's dialog.
    session.write_file("Scenes/pose.pz2", b"{\r\n}\r\n")
    third = session.start("--check-window")
    session.window(r"^Check a scene file$")
    session.xdotool("type", "--delay", "20", "C:\\Scenes\\pose.pz2")
    session.key("Return")
    check(third.wait(timeout=60) == 0, "a start that asks for the scene failed")
    session.window(r"^Poser Quobbin  -  pose\.pz2$")
    session.key("Escape")
    wait_for(lambda: not session.windows(r"^Poser Quobbin  -  "), "the scene's window to close")


def closed_mid_scan(session, main, index):
    """A library big enough that the scan still runs when the close box is pressed: the old
    index stays, and no temporary one."""
    for folder in range(200):
        for file in range(100):
            session.write_file("Poser Test/Runtime/Big/%d/Prop %d.pp2" % (folder, file))
    press_update(session, main)
    wait_for(lambda: session.window_name(main) != "Poser Quobbin", "the scan to start")
    session.close_box(main)
    wait_for(lambda: all(p.poll() is not None for p in session.processes), "the program to end",
             60)
    check(session.read_file("ol/oz") == index, "closing mid-scan changed the index")
    check(not os.path.exists(session.host_path("ol/oz.new")), "a temporary index was left")


def wine(session, *command):
    subprocess.run([WINE, *command], env=session.env, check=True, capture_output=True)


def end_wine_session(session):
    """The next program starts a new Wine session, which reads the settings afresh."""
    subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=session.env)
    subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=session.env)


def at_144_dots_per_inch(session):
    """The window laid out at the screen's resolution: 7320 x 3795 twips are 732 x 380 pixels."""
    desktop = r"HKCU\Control Panel\Desktop"
    wine(session, "reg", "add", desktop, "/v", "LogPixels", "/t", "REG_DWORD", "/d", "144", "/f")
    try:
        end_wine_session(session)
        session.start()
        main = session.window(MAIN_WINDOW, timeout=60)
        size = session.xdotool("getwindowgeometry", main).split("Geometry: ")[1].split()[0]
        save_screenshot(session, "windows_main_window_144dpi", main)
        check(size == "732x380", "the window is %s at 144 dots per inch" % size)
        session.close_box(main)
        wait_for(lambda: all(p.poll() is not None for p in session.processes),
                 "the program to end")
    finally:
        wine(session, "reg", "delete", desktop, "/v", "LogPixels", "/f")
        end_wine_session(session)


def main():
    prefix, program = sys.argv[1:3]
    try:
        with WineSession(prefix, program) as session:
            try:
                test(session)
            except Failure:
                save_screenshot(session, "windows_journey_failed", None)
                raise
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
    print("PASS")


if __name__ == "__main__":
    main()
