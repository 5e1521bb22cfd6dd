"""A desktop with a window manager (openbox) or none: the alert; the tray icon hiding and
showing the bar; under the window manager fading, stay-on-top, drags, edges, the panel."""

import re
import subprocess

from harness import (FACE, WINDOW_MANAGER, LoopbackSite, ProgramRun, accessible, click, geometry,
                     labels, main, open_panel, press, shown, wait_for, xdotool, xprop)

DUE = {"RemindMe.dsl": b";01/06/2006|18:00|Costa rica|Germany|a\r\n"}  # at 10:00 that day


def icon():  # the tray is as wide as its icons
    x, y, width, height = geometry("panel")
    return (x + width // 2, y + height // 2) if width >= 16 else None


def toggle(times, menu=()):  # by double clicks or the menu: hidden and shown in turn, in place
    place = geometry()
    for turn in range(times):
        xdotool("mousemove", *icon(), *(menu or ["click", "--repeat", 2, "--delay", 80, 1]))
        wait_for(lambda: bool(shown("Countdown")) == bool(turn % 2), what=f"toggle {turn + 1}")
    assert geometry() == place, (geometry(), place)


def window(title):  # its X window, once mapped
    return wait_for(lambda: shown(title), what=title)[0].decode()


def workspace(title):  # -1: every one
    return subprocess.run(["xdotool", "get_desktop_for_window", window(title)],
                          capture_output=True, text=True).stdout.strip()


def drag(to):  # by the grip, to about `to`, as a hand moves (the manager takes the first pixel)
    x, y, _, _ = geometry()
    steps = [("mousemove", x + 5 + (to[0] - x) * i // 8, y + 15 + (to[1] - y) * i // 8, "sleep",
              0.1) for i in range(9)]
    xdotool("mousemove", x + 5, y + 15, "mousedown", 1, "mousemove", x + 4, y + 15, "sleep", 0.2,
            *sum(steps, ()), "mouseup", 1)


def faded():
    value = xprop("-id", window("Countdown"), "_NET_WM_WINDOW_OPACITY").partition("= ")[2]
    return value != "" and int(value) < 1 << 31


def managed(run, alert_workspace):
    other = subprocess.Popen(["xmessage", "-geometry", "+1000+0", "another program"])
    xdotool("windowactivate", "--sync", window("xmessage"))
    wait_for(faded, what="the bar faded")
    order = [int(w, 16) for w in xprop("-root", "_NET_CLIENT_LIST_STACKING").split("#")[1].split(",")]
    assert order.index(int(window("Countdown"))) > order.index(int(window("xmessage")))
    click(FACE)
    wait_for(lambda: not faded(), what="the bar opaque again")
    other.terminate()
    drag((400, 300))
    wait_for(lambda: abs(geometry()[0] - 400) + abs(geometry()[1] - 300) < 5, what="the move")
    drag((1200, 300))  # past the right edge, then crept back
    wait_for(lambda: 1280 - 188 <= geometry()[0] <= 1280 - 186, what="the bar back inside")
    open_panel(run, "ge", "Germany")
    bar_x, bar_y, _, bar_height = geometry()
    assert geometry("Team")[:2] == (bar_x, bar_y + bar_height), geometry("Team")
    drag((600, 650))  # into the lowest third: the panel goes above
    wait_for(lambda: sum(geometry("Team")[1::2]) == geometry()[1], what="the panel above")
    workspaces = [workspace("Countdown"), workspace("Team"), alert_workspace]
    assert workspaces == ["-1", "-1", "0"], workspaces
    xdotool("set_desktop", 2)
    wait_for(lambda: shown("Countdown") and shown("Team"), what="both on workspace 2")
    xdotool("set_desktop", 0)


def test(binary):
    def countdown():  # in seconds, once a tick has written it
        found = [re.fullmatch(r"Match starts in (\d+) minutes (\d+) seconds", text)
                 for text, _ in labels(alert)]
        return next((int(f[1]) * 60 + int(f[2]) for f in found if f), None)

    with LoopbackSite(), ProgramRun(binary, files=DUE) as run:
        alert = run.window("Match Reminder")
        assert alert.getRoleName() == "alert"  # a screen reader speaks it as it opens
        accessible(alert)
        assert labels(alert)[:2] == [("Costa rica vs Germany", ""), ("01/06/2006 18:00", "")]
        first = wait_for(countdown, timeout=8, what="the countdown")  # some 2 s in, or more
        assert 480 * 60 - 15 <= first < 480 * 60, first
        wait_for(lambda: countdown() == first - 1, timeout=3, what="a tick")
        alert_workspace = WINDOW_MANAGER and workspace("Match Reminder")
        subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                          "request"], stderr=subprocess.DEVNULL)  # it goes with the display
        wait_for(lambda: shown("panel") and icon(), what="the icon")
        xdotool("mousemove", *icon())
        wait_for(lambda: ("Kickoff Clock", "tool tip") in [
            (w.name, w.getRoleName()) for w in run.windows()], what="the tip")
        toggle(8)  # the alert open, then closed
        press(alert, "Close")
        wait_for(lambda: not shown("Match Reminder"), what="the alert closed")
        toggle(8)
        menu = ["click", 3, "sleep", 0.5, "key", "--delay", 100]
        toggle(4, menu + ["Down", "Return"])
        if WINDOW_MANAGER:
            managed(run, alert_workspace)
        xdotool("mousemove", *icon(), *menu, "Up", "Return")  # Exit (About: the window test)
        assert run.process.wait(timeout=10) == 0
        wait_for(lambda: not icon(), what="the icon gone")


if __name__ == "__main__":
    main(test)
