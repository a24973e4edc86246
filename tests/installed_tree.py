"""`cmake --install` into a temporary prefix lays Quobbin out as a desktop program: the program,
its desktop entry, the icon at every hicolor size, the AppStream metainfo, the manual page and
the package's copyright and changelog, and nothing else. The pieces name one another
consistently, and the freedesktop validators pass them where the validators are installed.

Usage: installed_tree.py CMAKE BUILD_DIR APP_ID VERSION"""
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ICON_SIZES = (16, 32, 48, 64, 128, 256)
PALETTE_SIZES = (16, 32)  # drawn with hard edges in the sixteen-colour palette


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def expected_files(app_id):
    icons = ["share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, app_id)
             for size in ICON_SIZES]
    return {"bin/quobbin", "share/applications/%s.desktop" % app_id,
            "share/metainfo/%s.metainfo.xml" % app_id, "share/man/man1/quobbin.1.gz",
            "share/doc/quobbin/copyright", "share/doc/quobbin/changelog.gz", *icons}


def installed_files(prefix):
    return {os.path.relpath(os.path.join(folder, name), prefix)
            for folder, _, names in os.walk(prefix) for name in names}


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as lines:
        check(next(lines).strip() == "[Desktop Entry]", "the desktop entry has no group header")
        for line in lines:
            key, _, value = line.rstrip("\n").partition("=")
            entry[key] = value
    return entry


def png_size(path):
    with open(path, "rb") as image:
        header = image.read(24)
    check(header[:8] == b"\x89PNG\r\n\x1a\n" and header[12:16] == b"IHDR", path + " is no PNG")
    return struct.unpack(">II", header[16:24])


def colour_count(path):
    result = subprocess.run(["identify", "-format", "%k", path], capture_output=True, text=True,
                            check=True)
    return int(result.stdout)


def check_desktop_entry(prefix, app_id):
    entry = desktop_entry(os.path.join(prefix, "share/applications/%s.desktop" % app_id))
    check(entry.get("Name") == "Poser Quobbin", "desktop entry Name is %r" % entry.get("Name"))
    check(entry.get("Comment"), "the desktop entry has no Comment")
    check(entry.get("Exec") == "quobbin", "desktop entry Exec is %r" % entry.get("Exec"))
    check(entry.get("Icon") == app_id, "desktop entry Icon %r is not the installed icon's name"
          % entry.get("Icon"))
    check(entry.get("Categories") == "Graphics;3DGraphics;Utility;",
          "desktop entry Categories are %r" % entry.get("Categories"))


def check_icons(prefix, app_id):
    for size in ICON_SIZES:
        path = os.path.join(prefix, "share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, app_id))
        width, height = png_size(path)
        check((width, height) == (size, size), "the %d-pixel icon is %dx%d" % (size, width, height))
        if size in PALETTE_SIZES and shutil.which("identify"):
            colours = colour_count(path)
            check(colours <= 17, "the %d-pixel icon has %d colours, not the sixteen of the "
                  "palette and transparency" % (size, colours))


def check_metainfo(prefix, app_id, version):
    component = ElementTree.parse(
        os.path.join(prefix, "share/metainfo/%s.metainfo.xml" % app_id)).getroot()
    check(component.findtext("id") == app_id, "metainfo id is %r" % component.findtext("id"))
    check(component.findtext("launchable") == app_id + ".desktop",
          "metainfo launchable %r is not the desktop entry" % component.findtext("launchable"))
    check(component.findtext("provides/binary") == "quobbin", "metainfo names no binary quobbin")
    screenshot = component.findtext("screenshots/screenshot/image") or ""
    check(screenshot.startswith("https://"), "metainfo screenshot is %r" % screenshot)
    release = component.find("releases/release")
    check(release is not None and release.get("version") == version,
          "metainfo release is not version " + version)


def check_manual_page(prefix):
    with gzip.open(os.path.join(prefix, "share/man/man1/quobbin.1.gz"), "rt") as page:
        check(page.readline().startswith(".TH QUOBBIN 1 "), "the manual page has no title line")


def validate(prefix, app_id):
    """Runs the validators that are installed; `make test` installs both."""
    validators = [
        ["desktop-file-validate", "share/applications/%s.desktop" % app_id],
        ["appstreamcli", "validate", "--no-net", "share/metainfo/%s.metainfo.xml" % app_id],
    ]
    for command in validators:
        if not shutil.which(command[0]):
            print("skipped, not installed:", command[0])
            continue
        result = subprocess.run(command, cwd=prefix, capture_output=True, text=True)
        check(result.returncode == 0, "%s failed:\n%s%s" % (command[0], result.stdout,
                                                            result.stderr))


def test(cmake, build, app_id, version, prefix):
    install = subprocess.run([cmake, "--install", build, "--prefix", prefix],
                             capture_output=True, text=True)
    check(install.returncode == 0, "cmake --install failed:\n" + install.stderr)
    missing = expected_files(app_id) - installed_files(prefix)
    extra = installed_files(prefix) - expected_files(app_id)
    check(not missing, "not installed: " + ", ".join(sorted(missing)))
    check(not extra, "installed but not expected: " + ", ".join(sorted(extra)))
    check(os.access(os.path.join(prefix, "bin/quobbin"), os.X_OK), "bin/quobbin cannot run")
    check_desktop_entry(prefix, app_id)
    check_icons(prefix, app_id)
    check_metainfo(prefix, app_id, version)
    check_manual_page(prefix)
    validate(prefix, app_id)


def main():
    cmake, build, app_id, version = sys.argv[1:5]
    prefix = tempfile.mkdtemp(prefix="quobbin-install-")
    try:
        test(cmake, build, app_id, version, prefix)
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
    finally:
        shutil.rmtree(prefix, ignore_errors=True)
    print("PASS")


main()
