#!/usr/bin/env python3
"""A left-over setup.bat runs once and opens the fixes page; desktop.ini is
written once, exactly; a healthy site is asked for the schedule only."""

import os

import harness
from loopback import LoopbackSite, SITE_URL

DESKTOP_INI = (b"[.ShellClassInfo]\r\nConfirmFileOp = 0\r\nNoSharing = 0\r\n"
               b"IconFile= kickoff-clock.exe\r\nIconIndex = 0\r\n"
               b"InfoTip=Kickoff Clock - Glimmerwick Studios\r\n")


def test(binary):
    files = {"setup.bat": "echo ran >> ran.txt\n"}
    with LoopbackSite() as site, harness.ProgramRun(binary, files=files) as run:
        run.window("Countdown")
        harness.wait_for(lambda: os.path.exists(run.path("ran.txt")), what="the script's run")
        assert not os.path.exists(run.path("setup.bat"))
        assert run.opened() == [SITE_URL + "/Fixes.html"], run.opened()
        assert harness.read(run.path("desktop.ini")) == DESKTOP_INI
        assert site.requests() == [("site", "/GroupMatchs.xml")], site.requests()

        # The next start: no script to run, desktop.ini left as the user made it.
        with open(run.path("desktop.ini"), "wb") as f:
            f.write(b"mine")
        run.stop()
        run.start()
        run.window("Countdown")
        assert harness.read(run.path("ran.txt")) == b"ran\n"
        assert run.opened() == [SITE_URL + "/Fixes.html"], run.opened()
        assert harness.read(run.path("desktop.ini")) == b"mine"


if __name__ == "__main__":
    harness.main(test, private_network=True)
