#!/usr/bin/env python3
"""From a team's widened panel, the calendars: the group page, a day's
matches, the knock-out pages, the all-groups page; closed and opened again."""

import harness
from desktop import click, open_widened_panel
from loopback import LoopbackSite

GROUP_CALENDER, ALL_GROUPS_CALENDER = (263, 37), (263, 59)  # on the panel
# On the calendar, in pixels from its top left corner.
NEXT, STAGE_2, GROUP_A, CLOSE = (340, 12), (396, 232), (33, 216), (453, 11)
DAY_9, CLOSE_MATCH_DAY = (104, 72), (134, 11)
GROUP_A_PAGE, JULY_PAGE, MATCH_DAY = "June - Group A Calender", "July - Knock-out Stages", \
    "Match Day Information"
DAY_9_MATCHES = ["09/06/2006", "18:00", "Germany", "Costa rica", "21:00", "Poland", "Ecuador"]


def test(binary):
    with LoopbackSite(), harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        def shows(window, *starts):
            texts = [text for text, _ in run.labels(window)] + run.buttons(window)
            return all(any(t.startswith(start) for t in texts) for start in starts)

        def gone(title):
            return lambda: not any(w.name == title for w in run.windows())

        open_widened_panel(run, "ge", "Germany")
        for _ in range(2):  # opened, used, closed; and again
            click(GROUP_CALENDER, title="Team")
            calendar = run.window(GROUP_A_PAGE)
            assert shows(calendar, "9. Germany vs", "14. Germany vs", "20. Ecuador vs Germany")
            click(DAY_9, title=GROUP_A_PAGE)
            match_day = run.window(MATCH_DAY)
            harness.wait_for(lambda: shows(match_day, *DAY_9_MATCHES), what="day 9's matches")
            click(CLOSE_MATCH_DAY, title=MATCH_DAY)
            harness.wait_for(gone(MATCH_DAY), what="the match day window shrunk away")

            click(NEXT, title=GROUP_A_PAGE)
            click(STAGE_2, title=run.window(JULY_PAGE).name)
            harness.wait_for(lambda: shows(calendar, "9. [Final]"), what="July's knock-out page")
            click(GROUP_A, title=JULY_PAGE)
            click(STAGE_2, title=run.window(GROUP_A_PAGE).name)
            click(NEXT, title=GROUP_A_PAGE)
            harness.wait_for(lambda: shows(calendar, "24. [Second-Round]"), what="June's knock-out page")

            click(ALL_GROUPS_CALENDER, title="Team")
            click(CLOSE, title=run.window("June - All Groups Calender").name)
            harness.wait_for(gone("June - All Groups Calender"), what="the calendar closed")


if __name__ == "__main__":
    harness.main(test, private_network=True)
