"""The typical use from start to finish, as a user does it: "Set" (the drive list, folders
opened by double clicks, "Set Poser"), "Update" answered with Yes, a look-up with one match and
one with several, a double click, a number button; then paging through the help. Each step is
checked through the clipboard and the files on disk, and a screenshot of each window is saved."""
import time

from quobbin_e2e import (HELP_PAGES, MAIN_WINDOW, MESSAGE_BOX, NUMBER_BUTTONS, SETUP_DIALOG,
                         check, clipboard_becomes, look_up, open_folder_row, owner,
                         page_through_help, pick_drive, press_set, press_set_poser, press_update,
                         run, save_screenshot, wait_for)

CONTENT = [
    "Runtime/Geometries/Figure.obj",
    "Runtime/Libraries/Character/Figure.cr2",
    "Runtime/Libraries/Character/Figure.png",  # a thumbnail: not indexed
    "Runtime/Textures/Old/Skin.jpg",
    "Runtime/Textures/skin.JPG",
    "ReadMe.txt",  # directly in the Poser folder: not indexed
]
INDEX = (b"C:\\Content\\Poser 5\\Runtime\\Geometries\\Figure.obj\r\n"
         b"C:\\Content\\Poser 5\\Runtime\\Libraries\\Character\\Figure.cr2\r\n"
         b"C:\\Content\\Poser 5\\Runtime\\Textures\\skin.JPG\r\n"
         b"C:\\Content\\Poser 5\\Runtime\\Textures\\Old\\Skin.jpg\r\n")


def set_poser_folder(session, main):
    dialog = press_set(session, main)
    check(owner(session, dialog) == main, "the dialog is not kept with the main window")
    pick_drive(session, dialog, "c")  # opens at C:\ with the rows C:\, Content, ol
    open_folder_row(session, dialog, 1)  # Content: C:\, Content, Poser 5
    open_folder_row(session, dialog, 2)  # Poser 5: C:\, Content, Poser 5, Runtime
    save_screenshot(session, "poser_folder_dialog", dialog)
    press_set_poser(session, dialog)
    wait_for(lambda: not session.windows(SETUP_DIALOG), "the dialog to hide")
    settings = session.read_file("ol/zz")
    check(settings == b"C:\\Content\\Poser 5\r\n", "c:\\ol\\zz holds %r" % settings)


def update(session, main):
    press_update(session, main)
    wait_for(lambda: session.window_name(main) == "Poser Quobbin", "the scan to end")
    index = session.read_file("ol/oz")
    check(index == INDEX, "c:\\ol\\oz holds %r" % index)


def look_up_files(session, main):
    look_up(session, main, "Figure.OBJ")
    clipboard_becomes(session, r"c:\content\poser 5\runtime\geometries\figure.obj")
    # A double click by habit looks up once: a second look-up would read the path just sent,
    # find nothing and say so in a box.
    look_up(session, main, "figure.cr2", double=True)
    clipboard_becomes(session, r"c:\content\poser 5\runtime\libraries\character\figure.cr2")
    time.sleep(1)
    check(session.windows(MESSAGE_BOX) == [main], "a double click ran a second look-up")
    look_up(session, main, "skin.jpg")
    time.sleep(0.5)
    save_screenshot(session, "main_window", main)
    session.click(main, *NUMBER_BUTTONS[1])
    clipboard_becomes(session, r"c:\content\poser 5\runtime\textures\old\skin.jpg")


def page_through_help_and_close(session, main):
    def look_at_page(number, page):
        check(owner(session, page) == main, "page %d is not kept with the main window" % number)
        save_screenshot(session, "help_page_%d" % number, page)

    page = page_through_help(session, main, look_at_page)
    session.close_box(page)
    wait_for(lambda: not session.windows(HELP_PAGES[2]), "page 3 to close")
    time.sleep(0.2)
    check(session.windows(MAIN_WINDOW) == [], "the main window kept its start-up caption")


def test(session):
    for relative in CONTENT:
        session.write_file("Content/Poser 5/" + relative)
    session.start()
    main = session.window(MAIN_WINDOW)

    set_poser_folder(session, main)
    update(session, main)
    look_up_files(session, main)
    page_through_help_and_close(session, main)
    check(session.window_name(main) == "Poser Quobbin", "closing page 3 touched the main window")


run(test)
