"""On the match day the alert opens at start-up and counts down to kick-off, promptly
though the store holds 10 MB of later matches and garbage besides."""

import os
import re
import time

from harness import ProgramRun, accessible, labels, main, wait_for


def test(binary):
    def countdown():
        found = re.fullmatch(r"Match starts in (\d+) minutes (\d+) seconds", labels(alert)[2][0])
        return found and int(found[1]) * 60 + int(found[2])

    later = b"".join(b";%02d/06/2006|%02d:00|Costa rica|Poland|a\r\n" % (day, hour)
                     for day in range(20, 30) for hour in range(12, 22))
    store = b";09/06/2006|18:00|Costa rica|Germany|a\r\n" + later * 2600 + os.urandom(1 << 16)
    with ProgramRun(binary, "2006-06-09 09:30:00", {"RemindMe.dsl": store}) as run:
        started = time.monotonic()
        alert = run.window("Match Reminder")
        assert alert.getRoleName() == "alert"  # a screen reader speaks it as it opens
        accessible(alert)
        assert labels(alert)[:2] == [("Costa rica vs Germany", ""), ("09/06/2006 18:00", "")]
        # The first tick, about 1.6 s after start-up, reads 509 minutes 58 seconds or so.
        first = wait_for(countdown, timeout=5, what="the countdown")
        assert time.monotonic() - started < 5 and 510 * 60 - 10 <= first < 510 * 60, first
        wait_for(lambda: countdown() == first - 1, timeout=3, what="a tick")


if __name__ == "__main__":
    main(test)
