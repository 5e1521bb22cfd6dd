#!/usr/bin/python3
"""Makes the README's picture of the calendar window: the real program under
Xvfb on 1 June 2006, Germany's widened panel, Group Match Calender, the mouse
over day 9.

    scripts/calendar_screenshot.py build/src/kickoff-clock [docs/calendar.png]
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

import harness  # noqa: E402
from desktop import click, geometry, open_widened_panel  # noqa: E402
from loopback import LoopbackSite  # noqa: E402

TITLE = "June - Group A Calender"


def shoot(binary):
    target = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "docs/calendar.png")
    with LoopbackSite(), harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        open_widened_panel(run, "ge", "Germany")
        click((263, 37), title="Team")  # Group Match Calender
        calendar = run.window(TITLE)
        x, y, width, height = geometry(TITLE)
        subprocess.run(["xdotool", "mousemove", str(x + 104), str(y + 72)], check=True)
        harness.wait_for(lambda: ("Friday 9th. June ", "") in run.labels(calendar),
                         what="the hover line")
        subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                        "+repage", target], check=True)
    print(target)


if __name__ == "__main__":
    harness.main(shoot, private_network=True)
