"""The program on a desktop, under a window manager or none: the tray icon's tip, eight
double clicks and four Show/Hide hiding and showing the bar in turn with the alert open
and closed, About and Exit. Under the window manager also: the bar fades behind another
window yet stays above it, moves by its grip, keeps inside the screen, its panel follows,
and both are on every workspace."""

import subprocess

from harness import (FACE, WINDOW_MANAGER, LoopbackSite, ProgramRun, click, geometry, main,
                     open_panel, press, shown, wait_for, xdotool, xprop)

DUE = {"RemindMe.dsl": b";01/06/2006|18:00|Germany|Costa rica|a\r\n"}  # its alert at start
EVERY_WORKSPACE = "-1"  # _NET_WM_DESKTOP 0xFFFFFFFF, as xdotool reads it


def icon():  # the tray is as wide as its icons
    x, y, width, height = geometry("panel")
    return (x + width // 2, y + height // 2) if width >= 16 else None


def toggle(times, by_menu=False):  # hidden and shown in turn, back where it was
    place = geometry()
    for turn in range(times):
        xdotool(*["mousemove", *icon(), "click", 3, "sleep", 0.5, "key", "--delay", 100, "Down",
                  "Return"]
                if by_menu else ["mousemove", *icon(), "click", "--repeat", 2, "--delay", 80, 1])
        wait_for(lambda: bool(shown("Countdown")) == bool(turn % 2), what=f"toggle {turn + 1}")
    assert geometry() == place, (geometry(), place)


def window(title):  # its X window, once it is mapped
    return wait_for(lambda: shown(title), what=title)[0].decode()


def workspace(title):
    return subprocess.run(["xdotool", "get_desktop_for_window", window(title)],
                          capture_output=True, text=True).stdout.strip()


def drag(to):  # the bar by its grip, to about `to` on the screen, as a hand moves
    x, y, _, _ = geometry()
    steps = [("mousemove", x + 5 + (to[0] - x) * i // 8, y + 15 + (to[1] - y) * i // 8, "sleep",
              0.1) for i in range(9)]
    # The window manager takes over at the first motion, a pixel here.
    xdotool("mousemove", x + 5, y + 15, "mousedown", 1, "mousemove", x + 4, y + 15, "sleep", 0.2,
            *sum(steps, ()), "mouseup", 1)


def near(at, to):
    return abs(at[0] - to[0]) <= 3 and abs(at[1] - to[1]) <= 3


def faded():  # below half its opacity
    value = xprop("-id", window("Countdown"), "_NET_WM_WINDOW_OPACITY").partition("= ")[2]
    return value != "" and int(value) < 1 << 31


def managed(run, alert_workspace):
    other = subprocess.Popen(["xmessage", "-geometry", "+1000+0", "another program"])
    try:
        xdotool("windowactivate", "--sync", window("xmessage"))
        wait_for(faded, what="the bar faded")
        stacking = xprop("-root", "_NET_CLIENT_LIST_STACKING").split("#")[1].split(",")
        order = [int(w, 16) for w in stacking]
        assert order.index(int(window("Countdown"))) > order.index(int(window("xmessage")))
        click(FACE)
        wait_for(lambda: not faded(), what="the bar opaque again")
    finally:
        other.terminate()
    drag((400, 300))
    wait_for(lambda: near(geometry(), (400, 300)), what="the bar moved")
    drag((1200, 300))  # past the right edge, then crept back
    wait_for(lambda: 1280 - 188 <= geometry()[0] <= 1280 - 186, what="the bar back inside")
    open_panel(run, "ge", "Germany")
    bar_x, bar_y, _, bar_height = geometry()
    assert geometry("Team")[:2] == (bar_x, bar_y + bar_height), geometry("Team")
    drag((600, 650))  # into the lowest third: the panel goes above
    wait_for(lambda: geometry("Team")[1] + geometry("Team")[3] == geometry()[1], what="above")
    workspaces = [workspace("Countdown"), workspace("Team"), alert_workspace]
    assert workspaces == [EVERY_WORKSPACE, EVERY_WORKSPACE, "0"], workspaces
    xdotool("set_desktop", 2)
    wait_for(lambda: shown("Countdown") and shown("Team"), what="both on workspace 2")
    xdotool("set_desktop", 0)


def test(binary):
    with LoopbackSite() as site, ProgramRun(binary, files=DUE) as run:
        run.window("Kickoff Clock")
        alert = run.window("Match Reminder")
        alert_workspace = WINDOW_MANAGER and workspace("Match Reminder")
        subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                          "request"], stderr=subprocess.DEVNULL)  # it goes with the display
        wait_for(lambda: shown("panel") and icon(), what="the icon")
        xdotool("mousemove", *icon())
        wait_for(lambda: ("Kickoff Clock", "tool tip") in [
            (w.name, w.getRoleName()) for w in run.windows()], what="the tip")
        toggle(8)
        press(alert, "Close")
        wait_for(lambda: not shown("Match Reminder"), what="the alert closed")
        toggle(8)
        toggle(4, by_menu=True)
        if WINDOW_MANAGER:
            managed(run, alert_workspace)
        menu = ["mousemove", *icon(), "click", 3, "sleep", 0.5, "key", "--delay", 100]
        xdotool(*menu, "Down", "Down", "Return")
        run.window("About Kickoff Clock")
        assert ("site", "/images/flash/about.swf") in site.requests(), site.requests()
        xdotool(*menu, "Up", "Return")  # Exit
        assert run.process.wait(timeout=10) == 0
        wait_for(lambda: not icon(), what="the icon gone")


if __name__ == "__main__":
    main(test)
