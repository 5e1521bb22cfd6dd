#!/usr/bin/env python3
"""A reminder added from Germany's panel is in RemindMe.dsl, once, after the
bar closes (the alert test starts from that file)."""

import subprocess

import harness
from desktop import box_text, click, geometry, settle, type_keys
from loopback import LoopbackSite

EXPAND, SEARCH_BOX, CLOSE = (155, 15), (60, 15), (173, 14)
ARROW, MATCH_REMINDER = (167, 24), (263, 16)  # on the panel
LINE = b";09/06/2006|18:00|Costa rica|Germany|a\r\n"


def test(binary):
    with LoopbackSite(), harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        bar = run.window("Countdown")
        settle((186, 30))
        click(EXPAND)
        click(SEARCH_BOX)
        harness.wait_for(lambda: box_text(bar) == "", what="the empty search box")
        type_keys("ge")
        harness.wait_for(lambda: box_text(bar) == "Germany", what="the completed name")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        panel = run.window("Team", timeout=5)
        harness.wait_for(lambda: run.labels(panel)[:1] == [("Germany (group a)", "")],
                         what="the next match")
        click(ARROW, title="Team")
        harness.wait_for(lambda: geometry("Team")[2] == 348, what="the widened panel")
        click(MATCH_REMINDER, title="Team")
        click(MATCH_REMINDER, title="Team")  # the same match again: a notice, no second line
        run.press(run.window("Kickoff Timer"), "OK")
        # The notice is modal: the bar takes clicks again once it has gone.
        harness.wait_for(lambda: "Kickoff Timer" not in [w.name for w in run.windows()],
                         what="the notice to close")
        click(CLOSE)
        assert run.process.wait(timeout=10) == 0
        store = harness.read(run.path("RemindMe.dsl"))
        assert store == LINE, store


if __name__ == "__main__":
    harness.main(test, private_network=True)
