#!/usr/bin/env python3
"""On the match day the alert opens at start-up and counts down to kick-off."""

import re
import time

import harness


def countdown(run, window):
    found = re.fullmatch(r"Match starts in (\d+) minutes (\d+) seconds", run.labels(window)[2][0])
    return found and int(found[1]) * 60 + int(found[2])


def test(binary):
    store = {"RemindMe.dsl": b";09/06/2006|18:00|Costa rica|Germany|a\r\n"}
    with harness.ProgramRun(binary, fake_time="2006-06-09 09:30:00", files=store) as run:
        started = time.monotonic()
        alert = run.window("Match Reminder")
        # Announced by a screen reader as it opens, and closable from there.
        assert alert.getRoleName() == "alert" and "Close" in run.buttons(alert)
        assert run.labels(alert)[:2] == [("Costa rica vs Germany", ""),
                                         ("09/06/2006 18:00", "")], run.labels(alert)
        # The first tick, about 1.6 s after start-up, reads 509 minutes 58 seconds or so.
        first = harness.wait_for(lambda: countdown(run, alert), timeout=5, what="the countdown")
        assert time.monotonic() - started < 5 and 510 * 60 - 10 <= first < 510 * 60, first
        harness.wait_for(lambda: countdown(run, alert) == first - 1, timeout=3, what="a tick")


if __name__ == "__main__":
    harness.main(test)
