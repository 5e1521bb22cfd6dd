#!/usr/bin/env python3
"""Bad servers: start-up still reaches the bar in bounded time writing nothing
but desktop.ini; a broken archive download writes nothing, says so and ends."""

import os
import time

import harness
from loopback import LoopbackSite, SITE_URL, schedule_with_update

REMINDERS = b";10/06/2006|21:00|England|Paraguay|B\r\n"
# The longest a bad server may hold up the start, with room for a loaded machine.
START_BOUND = 10.0 + 6.0
SITE = {("site", "/GroupMatchs.xml")}
# Over 1 MiB the schedule is dropped whole, announced or not: its offer never shows.
OVERSIZED = {"GroupMatchs.xml": schedule_with_update(SITE_URL + "/KC06Update06.zip") +
             b" " * (1 << 20)}
# Qt asks once more after a reset connection, so requests are compared as sets.
BAR_CASES = [
    ("refused", dict(site=False, mirror=False), set()),
    ("silent", dict(site_rules=["*=silent"]), SITE),
    ("reset", dict(site_rules=["*=reset"]), SITE),
    ("drip", dict(site_rules=["*=drip:0.2"]), SITE),
    ("huge", dict(site_rules=["*=huge:3000000"]), SITE),
    ("flood", dict(site_rules=["*=flood:3000000"]), SITE),
    ("redirect loop", dict(site_rules=[f"*=redirect:{SITE_URL}/GroupMatchs.xml"]), SITE),
    ("error page, silent mirror", dict(site_rules=["*=error"], mirror_rules=["*=silent"]),
     SITE | {("mirror", "/GroupMatchs.xml")}),
    ("oversized", dict(files=OVERSIZED), SITE),
    ("oversized, unsized", dict(files=OVERSIZED, site_rules=["*=unsized"]), SITE),
    ("file: marker", dict(files={"GroupMatchs.xml": schedule_with_update(
        "file:///etc/KC06Update06.zip")}), SITE),
]
# Archive rules, and whether an earlier archive lies in the folder.
DOWNLOAD_CASES = [("cut:100", True), ("error", False), ("reset", False),
                  ("huge:70000000", False), ("flood:70000000", False)]


def bar_within_bound(binary, label, site, expected_requests):
    with LoopbackSite(**site) as server, harness.ProgramRun(binary) as run:
        started = time.monotonic()
        run.window("Kickoff Clock", timeout=START_BOUND + 5)
        elapsed = time.monotonic() - started
        assert [w.name for w in run.windows()] == ["Kickoff Clock"], label
        assert elapsed < START_BOUND, f"{label}: the bar took {elapsed:.1f} s"
        written = set(os.listdir(run.folder)) - {os.path.basename(run.executable)}
        assert written == {"desktop.ini", ".hidden"}, (label, written)
        assert set(server.requests()) == expected_requests, (label, server.requests())


def failed_download(binary, rule, earlier):
    files = {"RemindMe.dsl": REMINDERS}
    if earlier:
        files["KC06Update.zip"] = b"an earlier archive"
    with LoopbackSite(files={"GroupMatchs.xml": schedule_with_update(SITE_URL + "/KC06Update06.zip"),
                             "KC06Update06.zip": b"x" * 5000},
                      site_rules=["/KC06Update06.zip=" + rule]), \
            harness.ProgramRun(binary, files=files) as run:
        run.press(run.window("There is an update available!"), "Yes")
        run.press(run.window("Kickoff Clock", timeout=30), "OK")
        assert run.process.wait(timeout=15) == 0, rule
        left = {n: harness.read(run.path(n)) for n in os.listdir(run.folder)
                if n not in (os.path.basename(run.executable), "desktop.ini", ".hidden")}
        assert left == files, (rule, left.keys())  # no archive, no temporary file
        assert run.opened() == [], (rule, run.opened())


def test(binary):
    for label, site, requests in BAR_CASES:
        bar_within_bound(binary, label, site, requests)
    for rule, earlier in DOWNLOAD_CASES:
        failed_download(binary, rule, earlier)


if __name__ == "__main__":
    harness.main(test, private_network=True)
