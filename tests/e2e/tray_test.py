"""The icon in a tray that comes after the program: its tip, hiding and showing the
bar, About and Exit from its menu."""

import subprocess

from harness import LoopbackSite, ProgramRun, geometry, main, shown, wait_for, xdotool


def icon():  # the tray is as wide as its icons
    x, y, width, height = geometry("panel")
    return (x + width // 2, y + height // 2) if width >= 16 else None


def test(binary):
    with LoopbackSite() as site, ProgramRun(binary) as run:
        run.window("Kickoff Clock")
        subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                          "request"], stderr=subprocess.DEVNULL)  # it goes with the display
        wait_for(lambda: shown("panel") and icon(), what="the icon")
        xdotool("mousemove", *icon())
        wait_for(lambda: ("Kickoff Clock", "tool tip") in [
            (w.name, w.getRoleName()) for w in run.windows()], what="the tip")
        for on_show in (False, True):  # a double click hides the bar, another shows it
            xdotool("mousemove", *icon(), "click", "--repeat", 2, "--delay", 80, 1)
            wait_for(lambda: bool(shown("Countdown")) == on_show, what=f"shown: {on_show}")
        menu = ["mousemove", *icon(), "click", 3, "sleep", 0.5, "key", "--delay", 100]
        xdotool(*menu, "Down", "Down", "Return")
        run.window("About Kickoff Clock")
        assert ("site", "/images/flash/about.swf") in site.requests(), site.requests()
        xdotool(*menu, "Up", "Return")  # Exit
        assert run.process.wait(timeout=10) == 0
        wait_for(lambda: not icon(), what="the icon gone")


if __name__ == "__main__":
    main(test)
