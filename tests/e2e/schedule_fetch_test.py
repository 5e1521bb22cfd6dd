#!/usr/bin/env python3
"""The schedule comes from the maker's site, from the mirror after an error
page, and through a redirect; nothing else is asked for."""

import harness
from loopback import LoopbackSite, MIRROR_URL, SITE_URL, schedule_with_update

SCHEDULE = ("site", "/GroupMatchs.xml")
MIRRORED = ("mirror", "/GroupMatchs.xml")
# Only a schedule that was really read can make the offer appear.
NEWER = {"GroupMatchs.xml": schedule_with_update(SITE_URL + "/KC06Update06.zip")}


def decline_then_bar(run):
    offer = run.window("There is an update available!")
    run.press(offer, "No")
    run.window("Countdown")


def test(binary):
    with LoopbackSite() as site, harness.ProgramRun(binary) as run:
        run.window("Countdown")
        assert site.requests() == [SCHEDULE], site.requests()

    with LoopbackSite(site_rules=["/GroupMatchs.xml=error"], mirror_files=NEWER) as site, \
            harness.ProgramRun(binary) as run:
        decline_then_bar(run)
        assert site.requests() == [SCHEDULE, MIRRORED], site.requests()

    redirect = f"/GroupMatchs.xml=redirect:{MIRROR_URL}/GroupMatchs.xml"
    with LoopbackSite(site_rules=[redirect], mirror_files=NEWER) as site, \
            harness.ProgramRun(binary) as run:
        decline_then_bar(run)
        # Qt now and then repeats the redirected request on its connection.
        requests = site.requests()
        assert requests[0] == SCHEDULE and requests[-1] == MIRRORED, requests
        assert set(requests) == {SCHEDULE, MIRRORED}, requests

    # An error page whose mirror cannot be reached: no offer, the bar all the same.
    with LoopbackSite(files=NEWER, site_rules=["/GroupMatchs.xml=error"], mirror=False) as site, \
            harness.ProgramRun(binary) as run:
        run.window("Countdown")
        assert [w.name for w in run.windows()] == ["Countdown"], [w.name for w in run.windows()]
        assert site.requests() == [SCHEDULE], site.requests()


if __name__ == "__main__":
    harness.main(test, private_network=True)
