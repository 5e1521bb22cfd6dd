#!/usr/bin/env python3
"""A team searched in the bar opens its panel with the next match; widened,
the panel's Team News button opens the team's page on the news site."""

import subprocess
import time

import harness
from desktop import box_text, click, geometry, settle, start_search, type_keys
from loopback import LoopbackSite, SITE_URL

ARROW, TEAM_NEWS = (167, 24), (263, 80)  # on the panel
GERMANY = [("Germany (group a)", ""), ("Next Match", ""),
           ("Costa rica", "Germany (group a) Vs. Costa rica"), ("09/06/2006\r\n18:00", ""),
           ("Playing at Munich", "Playing at Munich Stadium.")]


def test(binary):
    with LoopbackSite(), harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        bar = run.window("Kickoff Clock")
        settle((186, 30))
        start_search(bar)
        type_keys("ge")  # completes to the team's name; Enter opens its panel
        harness.wait_for(lambda: box_text(bar) == "Germany", what="the completed name")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        entered = time.monotonic()
        panel = run.window("Germany (group a)", timeout=5)
        harness.wait_for(lambda: run.labels(panel)[:5] == GERMANY, timeout=5,
                         what="the next match")
        shown_after = time.monotonic() - entered
        assert shown_after < 2.0, f"the match took {shown_after:.2f} s to show"
        x, y, width, _ = geometry("Team")
        bar_x, bar_y, _, bar_height = geometry()
        assert (x, y, width) == (bar_x, bar_y + bar_height, 174), (x, y, width)

        click(ARROW, title="Team")
        harness.wait_for(lambda: geometry("Team")[2] == 348, what="the widened panel")
        click(TEAM_NEWS, title="Team")
        harness.wait_for(lambda: run.opened(), what="the news page")
        assert run.opened() == [SITE_URL + "/06/en/w/news/team/ger.html"], run.opened()


if __name__ == "__main__":
    harness.main(test, private_network=True)
