"""The daily `quobbin --update` while the Poser folder's drive is away (unmounted, its mount
point left an empty folder) keeps the index and exits with status 1, saying why."""
import os
import subprocess

from quobbin_e2e import check, run


def test(session):
    mount_point = os.path.join(session.folder, "media", "Content")
    os.makedirs(os.path.join(mount_point, "Runtime"))
    open(os.path.join(mount_point, "Runtime", "Figure.cr2"), "wb").close()
    os.symlink(os.path.dirname(mount_point), os.path.join(session.prefix, "dosdevices", "d:"))
    os.makedirs(session.host_path("ol"))
    with open(session.host_path("ol/zz"), "wb") as settings:
        settings.write(b"D:\\Content\r\n")
    update = [session.program, "--update"]
    check(subprocess.run(update, env=session.env, timeout=60).returncode == 0, "first update")
    with open(session.host_path("ol/oz"), "rb") as index:
        indexed = index.read()
    check(indexed == b"D:\\Content\\Runtime\\Figure.cr2\r\n", "first index: %r" % indexed)

    os.rename(mount_point, os.path.join(session.folder, "volume"))  # unmounted
    os.mkdir(mount_point)
    away = subprocess.run(update, env=session.env, capture_output=True, text=True, timeout=60)
    check(away.returncode == 1, "with the drive away, status %d" % away.returncode)
    check("D:\\Content" in away.stderr and "drive" in away.stderr, "no reason: %r" % away.stderr)
    with open(session.host_path("ol/oz"), "rb") as index:
        check(index.read() == indexed, "with the drive away, the index was not kept")


run(test)
