#!/usr/bin/env python3
"""The tray icon without a tray (a later one gets it), and with: tip, hide, About, Exit."""

import subprocess
import time

import harness
from desktop import box_text, geometry, settle, start_search, type_keys
from loopback import LoopbackSite


def start_tray():  # as wide as its icons, bottom right
    tray = subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                             "request"], stderr=subprocess.DEVNULL)
    harness.wait_for(lambda: visible("panel"), what="the tray")
    return tray


def icon_shown():
    x, y, width, height = geometry("panel")
    return (x + width // 2, y + height // 2) if width >= 16 else None


def on_icon(*actions):
    subprocess.run(["xdotool", "mousemove", *map(str, icon_shown()), *actions], check=True)


def visible(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          capture_output=True, text=True).stdout.split()


def choose(keys):  # an item of the icon's menu
    on_icon("click", "3")
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "--delay", "100", *keys, "Return"], check=True)


def test(binary):
    with LoopbackSite() as site:
        with harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
            run.window("Kickoff Clock")
            tray = start_tray()
            harness.wait_for(icon_shown, what="the icon in a tray that came later")
            tray.terminate()

        tray = start_tray()
        with harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
            bar = run.window("Kickoff Clock")
            settle((186, 30))
            harness.wait_for(icon_shown, what="the icon")
            on_icon()
            harness.wait_for(lambda: any(w.name == "Kickoff Clock" and w.getRoleName() ==
                                         "tool tip" for w in run.windows()), what="the tip")
            start_search(bar)
            type_keys("ge")  # completes to the name
            harness.wait_for(lambda: box_text(bar) == "Germany", what="the completed name")
            subprocess.run(["xdotool", "key", "Return"], check=True)
            run.window("Germany (group a)")
            on_icon("click", "--repeat", "2", "--delay", "80", "1")
            harness.wait_for(lambda: not visible("Countdown") and not visible("Team"),
                             what="all windows hidden")
            on_icon("click", "--repeat", "2", "--delay", "80", "1")
            harness.wait_for(lambda: visible("Countdown"), what="the bar back")
            assert not visible("Team")

            for _ in range(2):
                choose(["Down", "Down"])
                run.window("About Kickoff Clock")
            assert len(visible("About Kickoff Clock")) == 1
            assert ("site", "/images/flash/about.swf") in site.requests(), site.requests()

            choose(["Up"])
            assert run.process.wait(timeout=10) == 0
            harness.wait_for(lambda: not icon_shown(), what="the icon gone")
        tray.terminate()


if __name__ == "__main__":
    harness.main(test, private_network=True)
