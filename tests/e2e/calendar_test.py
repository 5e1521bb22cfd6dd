#!/usr/bin/env python3
"""From a team's widened panel, the calendars: the group page, a day's
matches, the knock-out pages, the all-groups page; closed and opened again."""

import subprocess

import harness
from desktop import click, geometry, open_widened_panel
from loopback import LoopbackSite

GROUP_CALENDER, ALL_GROUPS_CALENDER = (263, 37), (263, 59)  # on the panel
# On the calendar, in pixels from its top left corner.
NEXT, STAGE_2, GROUP_A, CLOSE = (340, 12), (396, 232), (33, 216), (453, 11)
DAY_9, DAY_20 = (104, 72), (360, 104)
CLOSE_MATCH_DAY = (134, 11)
GROUP_A_PAGE, JULY_PAGE = "June - Group A Calender", "July - Knock-out Stages"
DAY_9_MATCHES = ["09/06/2006", "18:00", "Germany", "Costa rica", "21:00", "Poland", "Ecuador"]


def texts(run, window):
    return [text for text, _ in run.labels(window)]


def day_text(run, window, day):
    prefix = f"{day}."
    return next((t for t in texts(run, window) if t.split(" ")[0] == prefix), None)


def gone(run, title):
    return lambda: not any(w.name == title for w in run.windows())


def test(binary):
    with LoopbackSite(), harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        open_widened_panel(run, "ge", "Germany")
        for _ in range(2):  # opened, used, closed; and again
            click(GROUP_CALENDER, title="Team")
            calendar = run.window(GROUP_A_PAGE)
            assert calendar.name == GROUP_A_PAGE
            for day in (9, 14, 20):
                assert "Germany" in day_text(run, calendar, day), day
            assert day_text(run, calendar, 10) == "10."

            x, y, _, _ = geometry(GROUP_A_PAGE)
            subprocess.run(["xdotool", "mousemove", str(x + DAY_20[0]), str(y + DAY_20[1])],
                           check=True)
            harness.wait_for(lambda: "Tuesday 20th. June " in texts(run, calendar),
                             what="the hover line")
            click(DAY_9, title=GROUP_A_PAGE)
            match_day = run.window("Match Day Information")
            harness.wait_for(lambda: all(t in texts(run, match_day) for t in DAY_9_MATCHES),
                             what="day 9's matches")
            click(CLOSE_MATCH_DAY, title="Match Day Information")
            harness.wait_for(gone(run, "Match Day Information"), what="the shrunk window")

            click(NEXT, title=GROUP_A_PAGE)
            run.window(JULY_PAGE)
            click(STAGE_2, title=JULY_PAGE)
            harness.wait_for(lambda: (day_text(run, calendar, 9) or "").startswith("9. [Final]"),
                             what="the July knock-out page")
            click(GROUP_A, title=JULY_PAGE)
            run.window(GROUP_A_PAGE)
            click(STAGE_2, title=GROUP_A_PAGE)
            click(NEXT, title=GROUP_A_PAGE)
            harness.wait_for(
                lambda: (day_text(run, calendar, 24) or "").startswith("24. [Second-Round]"),
                what="the June knock-out page")
            assert run.window(GROUP_A_PAGE)

            click(ALL_GROUPS_CALENDER, title="Team")
            run.window("June - All Groups Calender")
            click(CLOSE, title="June - All Groups Calender")
            harness.wait_for(gone(run, "June - All Groups Calender"), what="the closed calendar")


if __name__ == "__main__":
    harness.main(test, private_network=True)
