"""`cmake --install` into a temporary prefix lays Quobbin out as a desktop program, whose pieces
name one another, and the freedesktop and systemd validators pass them where they are installed.

systemd-analyze --user verify runs as root without a user session: it cannot start without a
runtime folder, so it gets a temporary one (and a temporary home). It checks that the service's
ExecStart can run, so it verifies the units of the install into the temporary prefix, whose service
was written at install time to start that prefix's bin/quobbin, and that `man` finds the units'
Documentation, so MANPATH names the prefix's manual pages. It exits 0 on keys it ignores, so any
output fails the check too.

Usage: installed_tree.py CMAKE BUILD_DIR APP_ID VERSION"""
import configparser
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ICON_SIZES = (16, 32, 48, 64, 128, 256)
UNITS = ("lib/systemd/user/quobbin-update.service", "lib/systemd/user/quobbin-update.timer")


def check(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)


def check_files(prefix, app_id):
    expected = {"bin/quobbin", "libexec/quobbin/quobbin-window",
                "share/applications/%s.desktop" % app_id,
                "share/metainfo/%s.metainfo.xml" % app_id, "share/man/man1/quobbin.1.gz",
                "share/doc/quobbin/copyright", "share/doc/quobbin/changelog.gz",
                "share/bash-completion/completions/quobbin"} | set(UNITS)
    expected |= {"share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, app_id)
                 for size in ICON_SIZES}
    installed = {os.path.relpath(os.path.join(folder, name), prefix)
                 for folder, _, names in os.walk(prefix) for name in names}
    check(installed == expected, "not installed: %s; not expected: %s"
          % (sorted(expected - installed), sorted(installed - expected)))
    check(os.access(os.path.join(prefix, "bin/quobbin"), os.X_OK), "bin/quobbin cannot run")
    # bin/quobbin starts the window program where it is installed, which then stops at once
    # for want of the platform asked for, saying that it has no display (bin/quobbin itself
    # says so only when no display is named).
    started = subprocess.run([os.path.join(prefix, "bin/quobbin")], capture_output=True, text=True,
                             env=dict(os.environ, QT_QPA_PLATFORM="none"), timeout=30)
    check("no display to show the window on" in started.stderr,
          "no window program: %s" % started.stderr)
    # Loading the window's libraries would cost a look-up from the command line most of its time.
    needed = subprocess.run(["readelf", "-d", os.path.join(prefix, "bin/quobbin")],
                            capture_output=True, text=True, check=True).stdout
    check("libQt6Gui" not in needed, "bin/quobbin loads the window's libraries:\n" + needed)


def check_icon_sizes(prefix, app_id):
    for size in ICON_SIZES:
        path = "share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, app_id)
        with open(os.path.join(prefix, path), "rb") as image:
            width, height = struct.unpack(">II", image.read(24)[16:24])  # a PNG's IHDR
        check((width, height) == (size, size), "%s is %dx%d" % (path, width, height))


def read_ini(path):
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(path, encoding="utf-8")
    return ini


def check_names(prefix, app_id, version):
    entry = read_ini(os.path.join(prefix, "share/applications/%s.desktop" % app_id))
    keys = {key: entry["Desktop Entry"].get(key) for key in ("Name", "Exec", "Icon", "Categories")}
    keys["update"] = entry["Desktop Action update"].get("Exec")
    check(keys == {"Name": "Poser Quobbin", "Exec": "quobbin %F", "Icon": app_id,
                   "Categories": "Graphics;3DGraphics;Utility;", "update": "quobbin --update"},
          "desktop entry: %r" % keys)
    check(entry["Desktop Entry"].get("Comment"), "the desktop entry has no Comment")
    start = read_ini(os.path.join(prefix, UNITS[0]))["Service"].get("ExecStart")
    check(start == os.path.join(prefix, "bin/quobbin") + " --update", "ExecStart=%s" % start)
    component = ElementTree.parse(
        os.path.join(prefix, "share/metainfo/%s.metainfo.xml" % app_id)).getroot()
    names = [component.findtext(path) for path in ("id", "launchable", "provides/binary")]
    names.append(component.find("releases/release").get("version"))
    check(names == [app_id, app_id + ".desktop", "quobbin", version], "metainfo: %r" % names)
    told = subprocess.run([os.path.join(prefix, "bin/quobbin"), "--version"], capture_output=True,
                          text=True, timeout=30).stdout
    check(told == "quobbin %s\n" % version, "quobbin --version: %r" % told)
    screenshot = component.findtext("screenshots/screenshot/image") or ""
    check(screenshot.startswith("https://"), "metainfo screenshot is %r" % screenshot)


def validate(prefix, app_id, home):
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home,
                       MANPATH=os.path.join(prefix, "share/man"))
    for command in (["desktop-file-validate", "share/applications/%s.desktop" % app_id],
                    ["appstreamcli", "validate", "--no-net",
                     "share/metainfo/%s.metainfo.xml" % app_id],
                    ["systemd-analyze", "--user", "verify", *UNITS],
                    ["bash", "-c", "source share/bash-completion/completions/quobbin && "
                     "complete -p quobbin"]):
        if not shutil.which(command[0]):
            print("skipped, not installed:", command[0])
            continue
        result = subprocess.run(command, cwd=prefix, env=environment, capture_output=True,
                                text=True)
        check(result.returncode == 0 and not result.stderr, "%s failed:\n%s%s"
              % (command[0], result.stdout, result.stderr))


def main(cmake, build, app_id, version):
    with (tempfile.TemporaryDirectory(prefix="quobbin-install-") as prefix,
          tempfile.TemporaryDirectory(prefix="quobbin-home-") as home):
        install = subprocess.run([cmake, "--install", build, "--prefix", prefix],
                                 capture_output=True, text=True)
        check(install.returncode == 0, "cmake --install failed:\n" + install.stderr)
        check_files(prefix, app_id)
        check_icon_sizes(prefix, app_id)
        check_names(prefix, app_id, version)
        validate(prefix, app_id, home)
    print("PASS")


main(*sys.argv[1:5])
