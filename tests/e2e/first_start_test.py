#!/usr/bin/env python3
"""The first start in a folder: the bar shows the day counter for the moved
clock, top right on the screen; a left-over setup.bat runs once and opens the
fixes page; desktop.ini is written once; a healthy site is asked for the
schedule only."""

import os

import harness
from loopback import LoopbackSite, SITE_URL


def test(binary):
    files = {"setup.bat": "echo ran >> ran.txt\n"}
    with LoopbackSite() as site, \
            harness.ProgramRun(binary, fake_time="2006-06-07 10:00:00", files=files) as run:
        bar = run.window("Kickoff Clock")
        expected = [("2 Days left until 09/06/06",
                     "There are 2 days left until the start of the 2006 World Cup."),
                    ("Germany Vs Costa Rica", "")]
        harness.wait_for(lambda: run.labels(bar)[:2] == expected, what="the day counter")
        # It grows open, then edge keeping moves it 20 twips down from the top.
        extents = lambda: bar.queryComponent().getExtents(0)
        harness.wait_for(lambda: (extents().x, extents().y, extents().width, extents().height)
                         == (1280 - 253, 1, 186, 30), what="the bar at its place")

        harness.wait_for(lambda: os.path.exists(run.path("ran.txt")), what="the script's run")
        assert not os.path.exists(run.path("setup.bat"))
        assert run.opened() == [SITE_URL + "/Fixes.html"], run.opened()
        assert b"\r\nIconFile= kickoff-clock.exe\r\n" in harness.read(run.path("desktop.ini"))
        assert site.requests() == [("site", "/GroupMatchs.xml")], site.requests()

        # The next start: no script to run, desktop.ini left as the user made it.
        with open(run.path("desktop.ini"), "wb") as f:
            f.write(b"mine")
        run.stop()
        run.start()
        run.window("Kickoff Clock")
        assert harness.read(run.path("ran.txt")) == b"ran\n"
        assert run.opened() == [SITE_URL + "/Fixes.html"], run.opened()
        assert harness.read(run.path("desktop.ini")) == b"mine"


if __name__ == "__main__":
    harness.main(test, private_network=True)
