#!/usr/bin/env python3
"""On the match day the alert window opens at start-up, names the reminded
match and counts down to kick-off a second a tick."""

import re
import time

import harness

LINE = b";09/06/2006|18:00|Costa rica|Germany|a\r\n"


def countdown(run, window):
    texts = [text for text, _ in run.labels(window)]
    found = re.fullmatch(r"Match starts in (\d+) minutes (\d+) seconds", texts[2])
    return found and int(found[1]) * 60 + int(found[2])


def test(binary):
    with harness.ProgramRun(binary, fake_time="2006-06-09 09:30:00",
                            files={"RemindMe.dsl": LINE}) as run:
        started = time.monotonic()
        alert = run.window("Match Reminder")
        assert run.labels(alert)[:2] == [("Costa rica vs Germany", ""),
                                         ("09/06/2006 18:00", "")], run.labels(alert)
        first = harness.wait_for(lambda: countdown(run, alert), timeout=5, what="the countdown")
        after = time.monotonic() - started
        # The first tick comes about 1.6 s after start-up.
        assert 510 * 60 - 10 <= first < 510 * 60, first
        assert after < 5, f"the countdown took {after:.1f} s to start"
        harness.wait_for(lambda: countdown(run, alert) == first - 1, timeout=3,
                         what="the next second")
        assert "Countdown" in [w.name for w in run.windows()]


if __name__ == "__main__":
    harness.main(test)
