"""Setting the Poser folder as a user does: "Set", the drive list, folders opened by double
clicks, "Set Poser"; then paging through the help. Saves a screenshot of each window."""
import os
import time

from quobbin_e2e import (HELP_PAGES, MAIN_WINDOW, SETUP_DIALOG, check, open_folder_row, owner,
                         page_through_help, pick_drive, press_set, press_set_poser, run,
                         save_screenshot, wait_for)


def settings_line(session):
    with open(session.host_path("ol/zz"), "rb") as settings:
        return settings.read()


def test(session):
    os.makedirs(session.host_path("Content/Poser 5/Runtime"))
    session.start()
    main = session.window(MAIN_WINDOW)
    save_screenshot(session, "main_window", main)

    dialog = press_set(session, main)
    check(owner(session, dialog) == main, "the dialog is not kept with the main window")
    pick_drive(session, dialog, "c")  # opens at C:\ with the rows C:\, Content, ol
    open_folder_row(session, dialog, 1)  # Content: C:\, Content, Poser 5
    open_folder_row(session, dialog, 2)  # Poser 5: C:\, Content, Poser 5, Runtime
    save_screenshot(session, "poser_folder_dialog", dialog)
    press_set_poser(session, dialog)
    wait_for(lambda: not session.windows(SETUP_DIALOG), "the dialog to hide")
    check(settings_line(session) == b"C:\\Content\\Poser 5\r\n",
          "c:\\ol\\zz holds %r" % settings_line(session))

    def look_at_page(number, page):
        check(owner(session, page) == main, "page %d is not kept with the main window" % number)
        save_screenshot(session, "help_page_%d" % number, page)

    page = page_through_help(session, main, look_at_page)
    session.close_box(page)
    wait_for(lambda: not session.windows(HELP_PAGES[2]), "page 3 to close")
    time.sleep(0.2)
    check(session.windows(MAIN_WINDOW) == [main], "the main window went with page 3")


run(test)
