#!/usr/bin/env python3
"""The Debian package of a build: lintian finds no error in it, the validators
pass its desktop entry and AppStream data, its fields and files are a desktop
install's. Given a build folder, this checks its package and unpacks it into
package/root there; given that root, it starts the unpacked program from its
menu entry's command on a Wayland session with XWayland, where it counts down."""

import glob
import os
import shlex
import shutil
import subprocess
import sys

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


def check_package(build):
    scratch = build + "/package"
    shutil.rmtree(scratch, ignore_errors=True)
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


def run_from_menu(root):
    with open(f"{root}/{ENTRY}") as f:
        command = next(line[5:] for line in f if line.startswith("Exec=")).strip()
    session = {"PATH": root + "/usr/bin:" + os.environ["PATH"], "HOME": root,
               "XDG_CONFIG_DIRS": root + "/etc/xdg",
               "XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": "wayland-0",
               "QT_QPA_PLATFORM": ""}
    with LoopbackSite(), harness.ProgramRun(root + "/usr/bin/kickoff-clock", "2006-06-07 10:00:00",
                                            command=shlex.split(command), env=session) as run:
        bar = run.window("Kickoff Clock")
        harness.wait_for(lambda: run.labels(bar)[:1] and
                         run.labels(bar)[0][0] == "2 Days left until 09/06/06",
                         what="the day counter")


if __name__ == "__main__":
    if os.path.exists(sys.argv[1] + "/CPackConfig.cmake"):
        check_package(os.path.abspath(sys.argv[1]))
    else:
        harness.main(run_from_menu, private_network=True)
