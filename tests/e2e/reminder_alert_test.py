"""On the match day the alert opens at start-up and counts down to kick-off."""

import re
import time

from harness import ProgramRun, accessible, labels, main, wait_for

COUNTDOWN = r"Match starts in (\d+) minutes (\d+) seconds"


def test(binary):
    def countdown():  # in seconds, once a tick has written it
        found = [re.fullmatch(COUNTDOWN, text) for text, _ in labels(alert)]
        return next((int(f[1]) * 60 + int(f[2]) for f in found if f), None)

    store = {"RemindMe.dsl": b";09/06/2006|18:00|Costa rica|Germany|a\r\n"}
    with ProgramRun(binary, "2006-06-09 09:30:00", store) as run:
        started = time.monotonic()
        alert = run.window("Match Reminder")
        assert alert.getRoleName() == "alert"  # a screen reader speaks it as it opens
        accessible(alert)
        assert labels(alert)[:2] == [("Costa rica vs Germany", ""), ("09/06/2006 18:00", "")]
        # The first tick, some 2 s in (more when loaded), reads 509 minutes 58 seconds or so.
        first = wait_for(countdown, timeout=8, what="the countdown")
        assert time.monotonic() - started < 8 and 510 * 60 - 15 <= first < 510 * 60, first
        wait_for(lambda: countdown() == first - 1, timeout=3, what="a tick")


if __name__ == "__main__":
    main(test)
