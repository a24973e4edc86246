"""The built program starts and shows its main window, a second copy exits at once leaving
the first untouched, and the close box ends the program. Neither a killed copy's lock nor a FIFO
where the settings file belongs keeps it from starting."""
import os

from quobbin_e2e import MAIN_WINDOW, check, run, wait_for


def test(session):
    first = session.start()
    window = session.window(MAIN_WINDOW)
    check(os.path.isdir(session.host_path("ol")), "c:\\ol was not made")
    settings = session.host_path("ol/zz")
    check(os.path.getsize(settings) == 0, "c:\\ol\\zz is not an empty file")

    second = session.start()
    check(second.wait(timeout=10) == 0, "a second copy did not exit with status 0")
    check(session.windows(MAIN_WINDOW) == [window], "a second copy showed a window")
    check(first.poll() is None, "the first copy ended when the second started")

    session.close_box(window)
    wait_for(lambda: first.poll() is not None, "the program to end", timeout=10)
    check(first.returncode == 0, "the program ended with status %d" % first.returncode)

    # The lock of a killed copy does not keep the next one from starting, nor does a FIFO where
    # the settings file belongs: the program starts with no folder set.
    killed = session.start()
    session.window(MAIN_WINDOW)
    killed.kill()
    killed.wait()
    os.remove(settings)
    os.mkfifo(settings)
    session.start()
    session.window(MAIN_WINDOW)


run(test)
