"""A clipboard owner that never answers (here a stopped xclip) holds a look-up up for one
toolkit time-out, not for one per read: the click reads the clipboard once, finds no text and
says so, and the window is usable again."""
import signal
import subprocess
import time

from quobbin_e2e import LOOKUP_BOX, MAIN_WINDOW, MESSAGE_BOX, check, run, wait_for

ONE_TIME_OUT = 25  # seconds: more than the toolkit's one time-out, less than two


def test(session):
    program = session.start()
    window = session.window(MAIN_WINDOW)
    owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-i", "-quiet"],
                             stdin=subprocess.PIPE, env=session.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.processes.append(owner)
    owner.stdin.write(b"figure.obj")
    owner.stdin.close()
    wait_for(lambda: session.clipboard() == "figure.obj", "xclip to own the clipboard")
    owner.send_signal(signal.SIGSTOP)
    clicked = time.monotonic()
    session.click(window, *LOOKUP_BOX)
    wait_for(lambda: session.windows(MESSAGE_BOX), "the look-up's message", timeout=60)
    waited = time.monotonic() - clicked
    check(waited < ONE_TIME_OUT, "the window was held up %.0f s" % waited)
    session.key("Return")
    owner.kill()
    session.close_box(window)
    wait_for(lambda: program.poll() is not None, "the program to end")


run(test)
