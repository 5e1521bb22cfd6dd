#!/usr/bin/env python3
"""The Debian package of a build: lintian finds no error in it, the validators
pass its desktop entry and AppStream data, its fields and files are a desktop
install's; unpacked, the program starts from its menu entry's command on a
Wayland session with XWayland, and counts down."""

import glob
import os
import shlex
import subprocess
import tempfile

import harness
from loopback import LoopbackSite

ENTRY = "usr/share/applications/org.kickoffclock.KickoffClock.desktop"
FILES = {"usr/bin/kickoff-clock", ENTRY, "usr/share/metainfo/org.kickoffclock.KickoffClock.metainfo.xml",
         "usr/share/icons/hicolor/scalable/apps/kickoff-clock.svg",
         *(f"usr/share/doc/kickoff-clock/{name}" for name in ("README.md", "copyright",
                                                              "changelog.gz")),
         *(f"usr/share/icons/hicolor/{n}x{n}/apps/kickoff-clock.png"
           for n in (16, 22, 24, 32, 48, 64, 128, 256))}


def check(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    assert result.returncode == 0, f"{command}:\n{result.stdout}{result.stderr}"
    return result.stdout


def test(build):
    with tempfile.TemporaryDirectory(prefix="kc-package-") as scratch:
        check("cpack", "-G", "DEB", "-B", scratch, "--config", build + "/CPackConfig.cmake")
        [package] = glob.glob(scratch + "/kickoff-clock_1.5.1_*.deb")
        check("lintian", "--fail-on", "error", package)
        fields = check("dpkg-deb", "-f", package, "Package", "Version", "Section", "Maintainer",
                       "Homepage", "Depends")
        for wanted in ("Package: kickoff-clock\nVersion: 1.5.1\nSection: utils\nMaintainer: ",
                       "\nHomepage: http", "qt6-qpa-plugins, libc6 (>= ", "libqt6widgets6 (>= "):
            assert wanted in fields, fields
        root = scratch + "/root"
        check("dpkg", "-x", package, root)
        assert {os.path.relpath(os.path.join(folder, name), root)
                for folder, _, names in os.walk(root) for name in names} == FILES
        check("desktop-file-validate", f"{root}/{ENTRY}")
        check("appstreamcli", "validate", "--no-net", *glob.glob(root + "/usr/share/metainfo/*"))
        run_from_menu(root)


def run_from_menu(root):
    with open(f"{root}/{ENTRY}") as f:
        command = next(line[5:] for line in f if line.startswith("Exec=")).strip()
    session = {"PATH": root + "/usr/bin:" + os.environ["PATH"], "HOME": root,
               "XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": "wayland-0",
               "QT_QPA_PLATFORM": ""}
    with LoopbackSite(), harness.ProgramRun(root + "/usr/bin/kickoff-clock", "2006-06-07 10:00:00",
                                            command=shlex.split(command), env=session) as run:
        bar = run.window("Countdown")
        harness.wait_for(lambda: run.labels(bar)[:1] and
                         run.labels(bar)[0][0] == "2 Days left until 09/06/06",
                         what="the day counter")

if __name__ == "__main__":
    harness.main(test, private_network=True)
