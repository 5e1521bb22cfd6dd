#!/usr/bin/env python3
"""Bad servers: start-up still reaches the bar in bounded time, and a broken
archive download writes nothing, says so and ends."""

import os
import time

import harness
from loopback import LoopbackSite, SITE_URL, schedule_with_update

REMINDERS = b";10/06/2006|21:00|England|Paraguay|B\r\n"
# The longest a bad server may hold up the start, with room for the
# program's own start-up under a loaded machine.
START_BOUND = 10.0 + 3.0


def bar_within_bound(binary, label, **site):
    with LoopbackSite(**site) as server, harness.ProgramRun(binary) as run:
        started = time.monotonic()
        run.window("Countdown", timeout=START_BOUND + 5)
        elapsed = time.monotonic() - started
        assert [w.name for w in run.windows()] == ["Countdown"], label
        assert elapsed < START_BOUND, f"{label}: the bar took {elapsed:.1f} s"
        # Nothing but the folder icon file is written.
        written = sorted(set(os.listdir(run.folder)) - {os.path.basename(run.executable)})
        assert written == ["desktop.ini"], (label, written)
        print(f"{label}: bar after {elapsed:.1f} s, requests {server.requests()}")
        return set(server.requests())


def failed_download(binary, label, rule, earlier=None):
    schedule = schedule_with_update(SITE_URL + "/KC06Update06.zip")
    files = {"RemindMe.dsl": REMINDERS}
    if earlier is not None:
        files["KC06Update.zip"] = earlier
    with LoopbackSite(files={"GroupMatchs.xml": schedule, "KC06Update06.zip": b"x" * 5000},
                      site_rules=[rule] if rule else []), \
            harness.ProgramRun(binary, files=files) as run:
        run.press(run.window("There is an update available!"), "Yes")
        notice = run.window("Kickoff Clock", timeout=30)
        run.press(notice, "OK")
        assert run.process.wait(timeout=15) == 0, label
        archive = run.path("KC06Update.zip")
        if earlier is None:
            assert not os.path.exists(archive), label
        else:
            with open(archive, "rb") as f:
                assert f.read() == earlier, label
        with open(run.path("RemindMe.dsl"), "rb") as f:
            assert f.read() == REMINDERS, label
        assert run.opened() == [], (label, run.opened())
        leftovers = [n for n in os.listdir(run.folder) if n.startswith("KC06Update.zip.")]
        assert leftovers == [], (label, leftovers)


def test(binary):
    # Qt asks once more after a reset connection, so requests are compared as sets.
    site_only = {("site", "/GroupMatchs.xml")}
    assert bar_within_bound(binary, "refused", site=False, mirror=False) == set()
    assert bar_within_bound(binary, "silent", site_rules=["*=silent"]) == site_only
    assert bar_within_bound(binary, "reset", site_rules=["*=reset"]) == site_only
    assert bar_within_bound(binary, "drip", site_rules=["*=drip:0.2"]) == site_only
    assert bar_within_bound(binary, "huge", site_rules=["*=huge:3000000"]) == site_only
    assert bar_within_bound(binary, "flood", site_rules=["*=flood:3000000"]) == site_only
    assert bar_within_bound(binary, "redirect loop",
                            site_rules=[f"*=redirect:{SITE_URL}/GroupMatchs.xml"]) == site_only
    assert bar_within_bound(binary, "error page, silent mirror",
                            site_rules=["*=error"], mirror_rules=["*=silent"]) == \
        site_only | {("mirror", "/GroupMatchs.xml")}
    # A schedule over 1 MiB is dropped whole, announced or not: its offer never shows.
    oversized = {"GroupMatchs.xml": schedule_with_update(SITE_URL + "/KC06Update06.zip") +
                 b" " * (1 << 20)}
    assert bar_within_bound(binary, "oversized", files=oversized) == site_only
    assert bar_within_bound(binary, "oversized, unsized", files=oversized,
                            site_rules=["*=unsized"]) == site_only
    # A marker naming a local file offers nothing.
    assert bar_within_bound(binary, "file: marker", files={
        "GroupMatchs.xml": schedule_with_update("file:///etc/KC06Update06.zip")}) == site_only

    failed_download(binary, "cut off", "/KC06Update06.zip=cut:100", earlier=b"an earlier archive")
    failed_download(binary, "missing", "/KC06Update06.zip=error")
    failed_download(binary, "reset", "/KC06Update06.zip=reset")
    failed_download(binary, "too large", "/KC06Update06.zip=huge:70000000")
    failed_download(binary, "flooding", "/KC06Update06.zip=flood:70000000")


if __name__ == "__main__":
    harness.main(test, private_network=True)
