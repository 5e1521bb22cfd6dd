"""Given a build folder, its Debian package passes lintian and the validators and is
unpacked into package/root; there, started from its menu entry, the program counts down."""

import glob
import os
import shlex
import shutil
import subprocess
import sys

import harness

ENTRY = "/usr/share/applications/org.kickoffclock.KickoffClock.desktop"


def check(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    assert result.returncode == 0, f"{command}:\n{result.stdout}{result.stderr}"
    return result.stdout


def check_package(scratch):
    shutil.rmtree(scratch, ignore_errors=True)
    check("cpack", "-G", "DEB", "-B", scratch, "--config",
          os.path.dirname(scratch) + "/CPackConfig.cmake")
    [deb] = glob.glob(scratch + "/kickoff-clock_1.5.1_*.deb")
    check("lintian", "--fail-on", "error", deb)
    fields = check("dpkg-deb", "-f", deb, "Package", "Version", "Section", "Depends")
    assert fields.startswith("Package: kickoff-clock\nVersion: 1.5.1\nSection: utils\n") and \
        "qt6-qpa-plugins, libc6 (>= " in fields and "libqt6widgets6 (>= " in fields, fields
    check("dpkg", "-x", deb, scratch + "/root")
    assert len(glob.glob(scratch + "/root/usr/share/icons/hicolor/*/apps/kickoff-clock.*")) == 9
    check("desktop-file-validate", scratch + "/root" + ENTRY)
    check("appstreamcli", "validate", "--no-net",
          *glob.glob(scratch + "/root/usr/share/metainfo/*"))


def run_from_menu(root):
    with open(root + ENTRY) as f:
        command = next(line[5:] for line in f if line.startswith("Exec=")).strip()
    run = harness.ProgramRun(root + "/usr/bin/kickoff-clock", "2006-06-07 10:00:00")
    run.command, run.env = shlex.split(command), {
        "PATH": root + "/usr/bin:" + os.environ["PATH"], "HOME": root, "QT_QPA_PLATFORM": "",
        "XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": "wayland-0"}
    with harness.LoopbackSite(), run:
        harness.wait_for(lambda: "2 Days left until 09/06/06" in dict(harness.labels(
            run.window("Kickoff Clock"))), what="the day counter")


if __name__ == "__main__":
    if os.path.exists(sys.argv[1] + "/CPackConfig.cmake"):
        check_package(os.path.realpath(sys.argv[1]) + "/package")
    else:
        harness.main(run_from_menu)
