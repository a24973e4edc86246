"""The built program starts and shows its main window, a second copy exits at once bringing
the first forward, and the close box ends the program. Neither a killed copy's lock nor a FIFO
where the settings file belongs keeps it from starting."""
import os
import time

from quobbin_e2e import MAIN_WINDOW, check, run, wait_for


def test(session):
    first = session.start()
    window = session.window(MAIN_WINDOW)
    check(os.path.isdir(session.host_path("ol")), "c:\\ol was not made")
    settings = session.host_path("ol/zz")
    check(os.path.getsize(settings) == 0, "c:\\ol\\zz is not an empty file")

    # A second start brings the window forward, put away or not, and shows no window of its
    # own; started in another Wine prefix it leaves the window where it is.
    for put_away, prefix in ((False, session.prefix), (True, session.prefix),
                             (True, session.prefix + "-other")):
        if put_away:
            session.xdotool("windowunmap", "--sync", window)
        second = session.start(WINEPREFIX=prefix)
        check(second.wait(timeout=10) == 0, "a second copy did not exit with status 0")
        if prefix != session.prefix:
            time.sleep(1)
            check(session.windows(MAIN_WINDOW) == [], "a start in another prefix showed the window")
            session.xdotool("windowmap", "--sync", window)
            continue
        wait_for(lambda: session.windows(MAIN_WINDOW) == [window], "the window to be shown again")
        wait_for(lambda: session.xdotool("getwindowfocus", check_rc=False).split() == [str(window)],
                 "the window to take the focus")
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
