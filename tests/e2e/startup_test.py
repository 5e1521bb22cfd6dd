"""Start-up and fetch: a first start; a script others could have placed is not run; the
mirror when the site fails, its update taken up; failing servers, failed downloads and a
download given up neither hold up the bar nor leave anything written."""

import os

from harness import (SITE_SCHEDULE, SITE_URL, LoopbackSite, ProgramRun, geometry, labels, main,
                     press, wait_for)

SCHEDULE, MIRRORED = ("site", "/GroupMatchs.xml"), ("mirror", "/GroupMatchs.xml")
OFFER = {"GroupMatchs.xml": b"\r\n".join(  # the site's schedule announcing an update
    b"<!-- [Update] %s/KC06Update06.zip [Update] -->" % SITE_URL.encode()
    if line.startswith(b"<!-- [Update] ") else line for line in SITE_SCHEDULE.split(b"\r\n"))}
ARCHIVE = bytes(range(256)) * 2 + b"\r\n\x00\x1a end"  # what a text transfer would mangle
SCRIPT = {"setup.bat": b"echo ran >> ran.txt\n"}
REMINDERS = {"RemindMe.dsl": b";10/06/2006|21:00|England|Paraguay|B\r\n"}
DESKTOP = ("desktop.ini", ".hidden")
BAD_SERVERS = [(dict(files=False, mirror_files=False), set()),
               (dict(site_rules=["*=silent"]), {SCHEDULE}),
               (dict(site_rules=["*=drip:0.2"]), {SCHEDULE}),
               # Over 1 MiB, a schedule is dropped whole: its offer never shows.
               (dict(files={"GroupMatchs.xml": OFFER["GroupMatchs.xml"] + b" " * (1 << 20)}),
                {SCHEDULE})]
EARLIER, FAILED = {"KC06Update.zip": b"an earlier archive"}, ("Kickoff Clock", "OK")
# The archive cut short (an earlier one in the folder stays), or missing: a 404 page; or
# its window closed while it still comes, which ends the program.
BAD_DOWNLOADS = [({"KC06Update06.zip": b"x" * 5000}, ["/KC06Update06.zip=cut:100"], EARLIER,
                  FAILED), ({}, [], {}, FAILED),
                 ({"KC06Update06.zip": ARCHIVE}, ["/KC06Update06.zip=drip:1"], EARLIER,
                  ("Downloading Update...", "Close"))]


def test(binary):
    with LoopbackSite() as site, ProgramRun(binary, "2006-06-07 10:00:00", SCRIPT) as run:
        bar = run.window("Kickoff Clock")
        wait_for(lambda: ("2 Days left until 09/06/06", "There are 2 days left until the start"
                          " of the 2006 World Cup.") in labels(bar), what="the day counter")
        # Grown open, then edge keeping holds it 20 twips off the top right.
        wait_for(lambda: geometry() == (1280 - 253, 1, 186, 30), what="the bar's place")
        wait_for(lambda: run.written(*DESKTOP) == {"ran.txt": b"ran\n"}, what="setup.bat, run")
        assert b"\r\nIconFile= kickoff-clock.exe\r\n" in run.written()["desktop.ini"]
        assert run.opened() == [SITE_URL + "/Fixes.html"], run.opened()
        assert site.requests() == [SCHEDULE], site.requests()

    run = ProgramRun(binary, files=SCRIPT)  # from a folder others may write, nothing runs:
    (own := run.home / "config/kickoff-clock").mkdir(parents=True)  # the user's folder serves,
    os.mkfifo(own / "setup.bat")  # where a named pipe as the script neither hangs nor runs
    run.folder.chmod(0o777)
    with LoopbackSite(), run:
        run.window("Kickoff Clock")  # the folder chores are done by then
        assert run.written() == SCRIPT and run.opened() == [], run.written()
        assert sorted(f.name for f in own.iterdir()) == sorted(DESKTOP)

    # The site has no schedule: the mirror's, which offers an update.
    with LoopbackSite(files={"KC06Update06.zip": ARCHIVE}, mirror_files=OFFER) as site, \
            ProgramRun(binary, files=REMINDERS) as run:
        press(run.window("There is an update available!"), "Yes")
        assert run.process.wait(timeout=30) == 0
        assert run.written(*DESKTOP) == dict(REMINDERS, **{"KC06Update.zip": ARCHIVE})
        assert run.opened() == [SITE_URL + "/Updates_Help.html"], run.opened()
        assert site.requests() == [SCHEDULE, MIRRORED, ("site", "/KC06Update06.zip")]

    for servers, requests in BAD_SERVERS:
        with LoopbackSite(**servers) as site, ProgramRun(binary) as run:
            run.window("Kickoff Clock", timeout=16)  # with room for a loaded machine
            assert [w.name for w in run.windows()] == ["Kickoff Clock"], servers
            assert run.written().keys() == set(DESKTOP), servers
            assert set(site.requests()) == requests, site.requests()  # Qt may ask again

    for archive, rules, earlier, (window, button) in BAD_DOWNLOADS:
        with LoopbackSite(files=dict(OFFER, **archive), site_rules=rules), \
                ProgramRun(binary, files=dict(REMINDERS, **earlier)) as run:
            press(run.window("There is an update available!"), "Yes")
            press(run.window(window, timeout=30), button)  # told it failed, or giving up
            assert run.process.wait(timeout=15) == 0, archive
            # No archive, no temporary file, nothing opened.
            assert run.written(*DESKTOP) == dict(REMINDERS, **earlier), run.written().keys()
            assert run.opened() == [], run.opened()


if __name__ == "__main__":
    main(test)
