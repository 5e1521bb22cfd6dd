#!/usr/bin/env python3
"""An offered update, declined and accepted; a failed download writes nothing."""

import os

import harness
from loopback import LoopbackSite, SITE_URL, schedule_with_update

ARCHIVE_URL = SITE_URL + "/KC06Update06.zip"
# Bytes a text transfer would mangle: every byte value, CR LF, NUL.
ARCHIVE = bytes(range(256)) * 2 + b"\r\n\x00\x1a end"
REMINDERS = b";10/06/2006|21:00|England|Paraguay|B\r\n"
HELP_PAGE = SITE_URL + "/Updates_Help.html"


def site_files(size_marker=b"<!-- [FSize] 2000 [FSize] -->", url=ARCHIVE_URL):
    return {"GroupMatchs.xml": schedule_with_update(url, size_marker),
            "KC06Update06.zip": ARCHIVE}


def read(path):
    with open(path, "rb") as f:
        return f.read()


def accept(run):
    offer = run.window("There is an update available!")
    run.press(offer, "Yes")


def ends(run, timeout=30):
    assert run.process.wait(timeout=timeout) == 0


def test(binary):
    # Declined: the normal start-up, nothing downloaded or opened.
    with LoopbackSite(files=site_files()) as site, harness.ProgramRun(binary) as run:
        offer = run.window("There is an update available!")
        run.press(offer, "No")
        run.window("Countdown")
        assert not os.path.exists(run.path("KC06Update.zip"))
        assert run.opened() == []
        assert site.requests() == [("site", "/GroupMatchs.xml")], site.requests()

    # Accepted: the download window with its estimates while the archive
    # drips in, then the archive byte for byte, the help page, the end.
    with LoopbackSite(files=site_files(),
                      site_rules=["/KC06Update06.zip=drip:0.005"]) as site, \
            harness.ProgramRun(binary, files={"RemindMe.dsl": REMINDERS}) as run:
        accept(run)
        window = run.window("Match Reminder")
        expected = [("Downloading Update...", ""),
                    ("Approximately 5 minutes on a dial up connection (56k).", ""),
                    ("Approximately 2 minute on a dial up connection.", "")]
        harness.wait_for(lambda: run.labels(window) == expected, what="the download window")
        assert "Countdown" not in [w.name for w in run.windows()]
        ends(run)
        assert read(run.path("KC06Update.zip")) == ARCHIVE
        assert run.opened() == [HELP_PAGE], run.opened()
        assert read(run.path("RemindMe.dsl")) == REMINDERS
        assert ("site", "/KC06Update06.zip") in site.requests()

    # No size marker: the fixed estimates.
    with LoopbackSite(files=site_files(size_marker=None),
                      site_rules=["/KC06Update06.zip=drip:0.005"]), \
            harness.ProgramRun(binary) as run:
        accept(run)
        window = run.window("Match Reminder")
        expected = [("Downloading Update...", ""),
                    ("Approximately 3 minutes on a dial up connection (56k).", ""),
                    ("Approximately 1 minute on a dial up connection.", "")]
        harness.wait_for(lambda: run.labels(window) == expected, what="the fixed estimates")
        ends(run)


if __name__ == "__main__":
    harness.main(test, private_network=True)
