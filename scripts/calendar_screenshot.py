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

from harness import (LoopbackSite, ProgramRun, click, geometry, labels, main,  # noqa: E402
                     open_panel, press, wait_for)

TITLE = "June - Group A Calender"


def shoot(binary):
    target = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "docs/calendar.png")
    with LoopbackSite(), ProgramRun(binary) as run:  # on 1 June 2006
        press(open_panel(run, "ge", "Germany"), "Widen panel")
        wait_for(lambda: geometry("Team")[2] == 348, what="the widened panel")
        click((263, 37), title="Team")  # Group Match Calender
        calendar = run.window(TITLE)
        x, y, width, height = geometry(TITLE)
        subprocess.run(["xdotool", "mousemove", str(x + 104), str(y + 72)], check=True)
        wait_for(lambda: ("Friday 9th. June ", "") in labels(calendar),
                 what="the hover line")
        subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                        "+repage", target], check=True)
    print(target)


if __name__ == "__main__":
    main(shoot)
