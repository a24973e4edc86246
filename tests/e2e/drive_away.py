"""The daily `quobbin --update` while the Poser folder's drive is away keeps the index: the drive
is mounted on the Poser folder, and unmounted it leaves that folder empty. The run exits with
status 1 and says why; once the drive is back, the next run indexes it as before."""
import os
import subprocess

from quobbin_e2e import check, run

LIBRARY = ["Runtime/Geometries/Figure.obj", "Runtime/Libraries/Character/Figure.cr2",
           "Runtime/Textures/Skin.jpg"]


def update(session):
    return subprocess.run([session.program, "--update"], env=session.env, capture_output=True,
                          text=True, timeout=60)


def test(session):
    media = os.path.join(session.folder, "media")
    mount_point = os.path.join(media, "Content")
    for name in LIBRARY:
        os.makedirs(os.path.dirname(os.path.join(mount_point, name)), exist_ok=True)
        open(os.path.join(mount_point, name), "wb").close()
    os.symlink(media, os.path.join(session.prefix, "dosdevices", "d:"))
    os.makedirs(session.host_path("ol"))
    with open(session.host_path("ol/zz"), "wb") as settings:
        settings.write(b"D:\\Content\r\n")

    first = update(session)
    check(first.returncode == 0, "the first update failed: %s" % first.stderr)
    with open(session.host_path("ol/oz"), "rb") as index:
        indexed = index.read()
    check(indexed.count(b"\r\n") == len(LIBRARY), "the first update indexed %r" % indexed)

    # Unmounted: the mount point stays, an empty folder.
    away = os.path.join(session.folder, "volume")
    os.rename(mount_point, away)
    os.mkdir(mount_point)
    second = update(session)
    check(second.returncode == 1, "with the drive away, status %d" % second.returncode)
    check("D:\\Content" in second.stderr and "drive" in second.stderr,
          "with the drive away, the reason was not given: %r" % second.stderr)
    with open(session.host_path("ol/oz"), "rb") as index:
        check(index.read() == indexed, "with the drive away, the index was not kept")

    os.rmdir(mount_point)
    os.rename(away, mount_point)
    third = update(session)
    check(third.returncode == 0, "with the drive back, status %d" % third.returncode)
    with open(session.host_path("ol/oz"), "rb") as index:
        check(index.read() == indexed, "with the drive back, another index was written")


run(test)
