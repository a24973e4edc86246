"""An Update that does not end well never costs the user the index they had. Ended in the middle
of its scan (with "Multi-task" ticked) by the close box, by a logout's or a terminal's signal
(TERM, HUP, INT) or by kill -9, the program leaves the previous index as it was; the close box
and the signals end it at once with status 0, and the next Update cleans up after kill -9. An
index file that cannot be written is reported, and the window goes back to idle."""
import os
import signal
import subprocess
import sys

from quobbin_e2e import (MAIN_WINDOW, MESSAGE_BOX, MULTI_TASK_BOX, check, press_update, run,
                         wait_for)

LIBRARY_FILES = 60_000
MAKE_LIBRARY = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                            "../../bench/make_library.py")
OLD_INDEX = b"C:\\Poser\\Old\\the index of an earlier Update.obj\r\n"


def update_and_end(session, end):
    """Starts the program, presses Update with "Multi-task" ticked and, once the scan has
    written part of the new index, ends it by `end(program, window)`."""
    program = session.start()
    window = session.window(MAIN_WINDOW)
    session.click(window, *MULTI_TASK_BOX)
    press_update(session, window)
    partial = session.host_path("ol/oz.new")
    wait_for(lambda: os.path.exists(partial) and os.path.getsize(partial) > 0,
             "the scan to write its first lines", timeout=30, interval=0.005)
    end(program, window)
    wait_for(lambda: program.poll() is not None, "the program to end", timeout=10)
    return program.returncode


def test(session):
    subprocess.run([sys.executable, MAKE_LIBRARY, session.host_path("Poser"), "--files",
                    str(LIBRARY_FILES)], check=True, stdout=subprocess.DEVNULL, timeout=120)
    os.makedirs(session.host_path("ol"), exist_ok=True)
    with open(session.host_path("ol/zz"), "wb") as settings:
        settings.write(b"C:\\Poser\r\n")
    index = session.host_path("ol/oz")
    with open(index, "wb") as old:
        old.write(OLD_INDEX)

    def kept_whole(how):
        with open(index, "rb") as kept:
            check(kept.read() == OLD_INDEX, "%s: the old index was not kept whole" % how)

    ends = [("the close box", lambda program, window: session.close_box(window))]
    ends += [(name, lambda program, window, number=number: program.send_signal(number))
             for name, number in (("TERM", signal.SIGTERM), ("HUP", signal.SIGHUP),
                                  ("INT", signal.SIGINT))]
    for how, end in ends:
        status = update_and_end(session, end)
        check(status == 0, "%s: the program ended with status %d" % (how, status))
        kept_whole(how)
        check(not os.path.exists(session.host_path("ol/oz.new")),
              "%s: the unfinished index was left behind" % how)

    update_and_end(session, lambda program, window: program.kill())
    kept_whole("kill -9")

    # The next start finds the old index; its Update replaces it and cleans up.
    program = session.start()
    window = session.window(MAIN_WINDOW)
    press_update(session, window)
    wait_for(lambda: session.window_name(window) == "Poser Quobbin", "the Update to end",
             timeout=60)
    check(not os.path.exists(session.host_path("ol/oz.new")), "kill -9 left its index behind")
    check(os.path.getsize(index) > len(OLD_INDEX), "the new index was not written")

    # An index that cannot be written: a message, and the window idle again.
    os.remove(index)
    os.mkfifo(index)
    press_update(session, window)
    wait_for(lambda: len(session.windows(MESSAGE_BOX)) == 2, "the message beside the window")
    session.key("Return")
    wait_for(lambda: session.window_name(window) == "Poser Quobbin", "the window to be idle")
    session.close_box(window)
    wait_for(lambda: program.poll() is not None, "the program to end", timeout=10)


run(test)
