"""Closing the main window while a scan with "Multi-task" ticked is writing the index ends the
program at once, and the index then holds whole lines only, fewer than a full scan writes."""
import os
import subprocess
import sys

from quobbin_e2e import MAIN_WINDOW, MULTI_TASK_BOX, check, press_update, run, wait_for

LIBRARY_FILES = 60_000
MAKE_LIBRARY = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                            "../../bench/make_library.py")
LEFT_OUT = {"rsr", "png", "pz3", "gif", "txt", "bvh", "dxf"}


def lines_of_a_full_scan(root):
    """How many lines a full scan writes: files one to eight levels down that the selection
    rule takes (the generator's names are all ones the lists show)."""
    count = 0
    for folder, _, files in os.walk(root):
        depth = len(os.path.relpath(folder, root).split(os.sep)) if folder != root else 0
        if 1 <= depth <= 8:
            count += sum(1 for name in files
                         if "." in name and name.rsplit(".", 1)[1].lower() not in LEFT_OUT)
    return count


def test(session):
    root = session.host_path("Poser")
    subprocess.run([sys.executable, MAKE_LIBRARY, root, "--files", str(LIBRARY_FILES)],
                   check=True, stdout=subprocess.DEVNULL, timeout=120)
    os.makedirs(session.host_path("ol"), exist_ok=True)
    with open(session.host_path("ol/zz"), "wb") as settings:
        settings.write(b"C:\\Poser\r\n")
    index = session.host_path("ol/oz")

    program = session.start()
    window = session.window(MAIN_WINDOW)
    session.click(window, *MULTI_TASK_BOX)
    press_update(session, window)
    wait_for(lambda: os.path.exists(index) and os.path.getsize(index) > 0,
             "the scan to write its first lines", timeout=30, interval=0.01)
    session.close_box(window)
    wait_for(lambda: program.poll() is not None, "the program to end", timeout=5)
    check(program.returncode == 0, "the program ended with status %d" % program.returncode)

    with open(index, "rb") as written:
        text = written.read()
    check(text.endswith(b"\r\n"), "the index ends in a partial line")
    lines = text[:-2].split(b"\r\n")
    check(all(line.startswith(b"C:\\Poser\\") and b"\r" not in line and b"\n" not in line
              for line in lines), "the index holds a broken line")
    full = lines_of_a_full_scan(root)
    check(len(lines) < full, "the scan ran to its end (%d of %d lines)" % (len(lines), full))


run(test)
