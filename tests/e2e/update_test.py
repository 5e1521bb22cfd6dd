#!/usr/bin/env python3
"""The schedule from the mirror after an error page or a redirect, with its
update offer declined; an accepted offer downloads the archive and ends."""

import os

import harness
from loopback import LoopbackSite, MIRROR_URL, SITE_URL, schedule_with_update

SCHEDULE = ("site", "/GroupMatchs.xml")
MIRRORED = ("mirror", "/GroupMatchs.xml")
ARCHIVE_URL = SITE_URL + "/KC06Update06.zip"
# Only a schedule that was really read can make the offer appear.
NEWER = {"GroupMatchs.xml": schedule_with_update(ARCHIVE_URL)}
# Bytes a text transfer would mangle: every byte value, CR LF, NUL.
ARCHIVE = bytes(range(256)) * 2 + b"\r\n\x00\x1a end"
REMINDERS = b";10/06/2006|21:00|England|Paraguay|B\r\n"


def test(binary):
    # Declined: the normal start-up, nothing downloaded or opened.
    with LoopbackSite(site_rules=["/GroupMatchs.xml=error"], mirror_files=NEWER) as site, \
            harness.ProgramRun(binary) as run:
        run.press(run.window("There is an update available!"), "No")
        run.window("Kickoff Clock")
        assert site.requests() == [SCHEDULE, MIRRORED], site.requests()
        assert not os.path.exists(run.path("KC06Update.zip"))
        assert run.opened() == []

    redirect = f"/GroupMatchs.xml=redirect:{MIRROR_URL}/GroupMatchs.xml"
    with LoopbackSite(site_rules=[redirect], mirror_files=NEWER) as site, \
            harness.ProgramRun(binary) as run:
        run.press(run.window("There is an update available!"), "No")
        run.window("Kickoff Clock")
        # Qt now and then repeats the redirected request on its connection.
        requests = site.requests()
        assert requests[0] == SCHEDULE and set(requests) == {SCHEDULE, MIRRORED}, requests

    # Accepted: the download window with its estimates while the archive
    # drips in, then the archive byte for byte, the help page, the end.
    with LoopbackSite(files=dict(NEWER, **{"KC06Update06.zip": ARCHIVE}),
                      site_rules=["/KC06Update06.zip=drip:0.005"]) as site, \
            harness.ProgramRun(binary, files={"RemindMe.dsl": REMINDERS}) as run:
        run.press(run.window("There is an update available!"), "Yes")
        window = run.window("Downloading Update...")
        expected = [("Downloading Update...", ""),
                    ("Approximately 5 minutes on a dial up connection (56k).", ""),
                    ("Approximately 2 minute on a dial up connection.", "")]
        harness.wait_for(lambda: run.labels(window)[:3] == expected, what="the download window")
        assert "Kickoff Clock" not in [w.name for w in run.windows()]
        assert run.process.wait(timeout=30) == 0
        assert harness.read(run.path("KC06Update.zip")) == ARCHIVE
        assert run.opened() == [SITE_URL + "/Updates_Help.html"], run.opened()
        assert harness.read(run.path("RemindMe.dsl")) == REMINDERS
        assert ("site", "/KC06Update06.zip") in site.requests()


if __name__ == "__main__":
    harness.main(test, private_network=True)
