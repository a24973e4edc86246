"""Drives the built program under Xvfb as a user would: xdotool for the mouse and keys,
xclip for the clipboard, an X client message for the close box.

Every session has its own display, Wine prefix, HOME and runtime folder, so tests run in
parallel and never touch the real home folder."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
from urllib.parse import quote

from Xlib import X, display as xdisplay, protocol

MAIN_WINDOW = r"^Poser Quobbin  8\.00$"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(probe, what, timeout=15.0, interval=0.05):
    """Polls probe() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


def _free_display():
    for number in range(100 + os.getpid() % 400, 1000):
        if not os.path.exists("/tmp/.X%d-lock" % number) and \
                not os.path.exists("/tmp/.X11-unix/X%d" % number):
            return number
    raise Failure("no free X display number")


class Session:
    """An X server, a temporary Wine prefix and the program under test."""

    def __init__(self, program):
        self.program = os.path.abspath(program)
        self.folder = tempfile.mkdtemp(prefix="quobbin-e2e-")
        self.prefix = os.path.join(self.folder, "wine")
        self.drive_c = os.path.join(self.prefix, "drive_c")
        os.makedirs(os.path.join(self.prefix, "dosdevices"))
        os.makedirs(self.drive_c)
        os.symlink("../drive_c", os.path.join(self.prefix, "dosdevices", "c:"))
        os.symlink("/", os.path.join(self.prefix, "dosdevices", "z:"))
        runtime = os.path.join(self.folder, "run")
        os.makedirs(runtime, mode=0o700)
        home = os.path.join(self.folder, "home")
        os.makedirs(home)
        self.number = _free_display()
        self.env = dict(os.environ, DISPLAY=":%d" % self.number, WINEPREFIX=self.prefix,
                        HOME=home, XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                        XDG_RUNTIME_DIR=runtime)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.server = None
        self.processes = []

    def __enter__(self):
        self.server = subprocess.Popen(
            ["Xvfb", ":%d" % self.number, "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: subprocess.run(["xdpyinfo", "-display", ":%d" % self.number],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        env=self.env).returncode == 0, "Xvfb to answer")
        self.x = xdisplay.Display(":%d" % self.number)
        return self

    def __exit__(self, failed, *exc):
        try:
            if not failed:
                self.end_programs()
        finally:
            for process in self.processes:
                if process.poll() is None:
                    process.kill()
                    process.wait()
            self.x.close()
            self.server.terminate()
            self.server.wait()
            shutil.rmtree(self.folder, ignore_errors=True)
        return False

    # The program. Its error output stays in the test's output: a sanitizer's report goes there.
    def start(self, *args, **env):
        process = subprocess.Popen([self.program, *args], env=dict(self.env, **env),
                                   stdout=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def end_programs(self):
        """Ends every copy still running as a user does, by the close box of its main window,
        then fails on any copy that ended with a failure status (one the test killed has none).
        A sanitizer build so fails the test on a fault, leaks found at the end included."""
        for process in self.processes:
            if process.poll() is None:
                found = self.xdotool("search", "--onlyvisible", "--pid", process.pid,
                                     check_rc=False)
                # Asked of every window first: closing the main window takes the others away.
                for wid in [wid for wid in map(int, found.split()) if owner(self, wid) is None]:
                    self.close_box(wid)
                try:
                    process.wait(timeout=60)
                except subprocess.TimeoutExpired:
                    raise Failure("the program did not end when its main window was closed")
        for process in self.processes:
            status = process.returncode
            check(status <= 0, "the program ended with status %d" % status)

    def host_path(self, relative):
        """A path on drive c:, given with forward slashes."""
        return os.path.join(self.drive_c, relative)

    def write_file(self, relative, content=b""):
        """Writes a file on drive c:, its folders made; gives its host path."""
        path = self.host_path(relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(content)
        return path

    def read_file(self, relative):
        with open(self.host_path(relative), "rb") as data:
            return data.read()

    # Windows.
    def xdotool(self, *args, check_rc=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env,
                                capture_output=True, text=True, timeout=30)
        if check_rc and result.returncode != 0:
            raise Failure("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr))
        return result.stdout

    def windows(self, name):
        out = self.xdotool("search", "--onlyvisible", "--name", name, check_rc=False)
        return [int(w) for w in out.split()]

    def window(self, name, timeout=15.0):
        return wait_for(lambda: self.windows(name), "a window named " + name, timeout)[0]

    def window_name(self, wid):
        return self.xdotool("getwindowname", wid).rstrip("\n")

    def click(self, wid, x, y, button=1):
        self.xdotool("mousemove", "--window", wid, x, y, "click", "--delay", "0", button)

    def double_click(self, wid, x, y):
        self.xdotool("mousemove", "--window", wid, x, y, "click", "--repeat", "2",
                     "--delay", "60", 1)

    def key(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def close_box(self, wid):
        """What the close box does: asks the window to close with WM_DELETE_WINDOW."""
        window = self.x.create_resource_object("window", wid)
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.x.flush()

    def drop_files(self, wid, paths, x=20, y=20):
        """Drags files from another program and drops them at (x, y) in the window, as a file
        manager does, by the XDND protocol: this session plays the drag's source."""
        atom = self.x.intern_atom
        uri_list = atom("text/uri-list")
        root = self.x.screen().root
        source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        target = self.x.create_resource_object("window", wid)
        at = root.translate_coords(target, x, y)

        def send(kind, *data):
            event = protocol.event.ClientMessage(window=target, client_type=atom(kind),
                                                 data=(32, [*data, 0, 0, 0, 0][:5]))
            target.send_event(event, event_mask=X.NoEventMask)
            self.x.flush()

        def answer(kind):
            """Waits for the target's message, serving its request for the files meanwhile."""
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline:
                if not self.x.pending_events():
                    time.sleep(0.02)
                    continue
                event = self.x.next_event()
                if event.type == X.SelectionRequest:
                    serve(event)
                elif event.type == X.ClientMessage and event.client_type == atom(kind):
                    return event
            raise Failure("the window did not answer the drop with " + kind)

        def serve(request):
            text = "".join("file://%s\r\n" % quote(path) for path in paths).encode()
            request.requestor.change_property(request.property, uri_list, 8, text)
            notify = protocol.event.SelectionNotify(
                time=request.time, requestor=request.requestor, selection=request.selection,
                target=request.target, property=request.property)
            request.requestor.send_event(notify)
            self.x.flush()

        source.set_selection_owner(atom("XdndSelection"), X.CurrentTime)
        send("XdndEnter", source.id, 5 << 24, uri_list)
        send("XdndPosition", source.id, 0, at.x << 16 | at.y,
             X.CurrentTime, atom("XdndActionCopy"))
        status = answer("XdndStatus")
        check(status.data[1][1] & 1, "the window does not take the dropped files")
        send("XdndDrop", source.id, 0, X.CurrentTime)
        answer("XdndFinished")
        source.destroy()

    def screenshot(self, path, wid=None):
        os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
        target = ["-window", str(wid)] if wid else ["-window", "root"]
        subprocess.run(["import", "-display", ":%d" % self.number, *target, path],
                       env=self.env, check=True, timeout=30)

    # Clipboard.
    def set_clipboard(self, text):
        subprocess.run("xclip -selection clipboard -i >/dev/null 2>&1", shell=True,
                       input=text.encode(), env=self.env, check=True, timeout=10)

    def clipboard(self):
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                capture_output=True, timeout=10)
        return result.stdout.decode(errors="replace") if result.returncode == 0 else ""


def run(test):
    """Runs test(session) and reports the result the way CTest reads it."""
    program = sys.argv[1]
    try:
        with Session(program) as session:
            test(session)
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
    print("PASS")


# The Poser folder dialog and the help pages. Places are in pixels within a window's client
# area (the layouts' twips divided by 15).
SETUP_DIALOG = r"^Poser Quobbin$"
HELP_PAGES = [r"^Setting Up Poser Quobbin$",
              r"^How to Use Poser Quobbin - Get The FileName From Poser$",
              r"^How to Use Poser Quobbin - Using the Quobbin to Get Files$"]
SET_BUTTON = (312, 176)
UPDATE_BUTTON = (384, 176)
HELP_BUTTON = (448, 176)
MULTI_TASK_BOX = (360, 203)
LOOKUP_BOX = (100, 36)  # inside Text2: 120, 360, 3735, 375 twips
NUMBER_BUTTONS = [(24, 176), (64, 176), (104, 176), (144, 176), (184, 176)]
MESSAGE_BOX = r"^Poser Quobbin$"
DRIVE_LIST = (100, 50)
SET_POSER_BUTTON = (256, 88)
NEXT_BUTTONS = [(448, 24), (424, 24)]  # on pages 1 and 2
FOLDER_LIST_TOP = 73  # inside the list's frame
FOLDER_LIST_ROW_HEIGHT = 20  # with the fonts the Makefile installs


def screenshot_folder(session):
    """Where reviewers find the screenshots: next to the built program."""
    return os.path.join(os.path.dirname(session.program), "screenshots")


def save_screenshot(session, name, wid):
    session.screenshot(os.path.join(screenshot_folder(session), name + ".png"), wid)


def owner(session, wid):
    """The window that a window is kept with (WM_TRANSIENT_FOR): such a window stays out of
    the task bar. None for a window of its own."""
    transient = session.x.create_resource_object("window", wid).get_wm_transient_for()
    return transient.id if transient else None


def press_set(session, main):
    """Presses "Set" and gives the dialog's window."""
    session.click(main, *SET_BUTTON)
    return session.window(SETUP_DIALOG)


def pick_drive(session, dialog, letter):
    """Opens the drive list and picks a drive by its letter."""
    session.click(dialog, *DRIVE_LIST)
    time.sleep(0.3)  # the list's drop-down opens
    session.key(letter.lower(), "Return")


def open_folder_row(session, dialog, row):
    """Double-clicks the entry in the given row of the folder list (0 is the top row)."""
    y = FOLDER_LIST_TOP + row * FOLDER_LIST_ROW_HEIGHT + FOLDER_LIST_ROW_HEIGHT // 2
    session.double_click(dialog, 60, y)
    time.sleep(0.5)  # past the double-click time, so the next click starts afresh


def press_set_poser(session, dialog):
    session.click(dialog, *SET_POSER_BUTTON)


def page_through_help(session, main, on_page=None):
    """Presses "?", then "Next >" on pages 1 and 2; calls on_page(number, window) on each
    page while it is shown, and gives the window of page 3."""
    session.click(main, *HELP_BUTTON)
    for number, name in enumerate(HELP_PAGES, start=1):
        page = session.window(name)
        if on_page:
            on_page(number, page)
        if number <= len(NEXT_BUTTONS):
            session.click(page, *NEXT_BUTTONS[number - 1])
            wait_for(lambda: page not in session.windows(name), "page %d to hide" % number)
    return page


def press_update(session, main):
    """Presses "Update" and answers its question with Yes, the default button (a message box
    takes the keyboard focus)."""
    session.click(main, *UPDATE_BUTTON)
    session.window(MESSAGE_BOX)
    session.key("Return")


def look_up(session, main, name, double=False):
    """Copies a name as Poser's dialog would, then clicks (or double-clicks) the look-up box."""
    session.set_clipboard(name)
    time.sleep(0.5)  # past the double-click time: an earlier click must not pair with this one
    if double:
        session.double_click(main, *LOOKUP_BOX)
    else:
        session.click(main, *LOOKUP_BOX)


def clipboard_becomes(session, text):
    wait_for(lambda: session.clipboard() == text, "the clipboard to hold " + text, timeout=10)
