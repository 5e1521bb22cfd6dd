#!/usr/bin/env python3
"""A new user's first minutes with the bar: search with suggestions, the
settings strip, closing, and what the close leaves behind."""

import os
import shutil
import subprocess
import tempfile
import time

import harness
from desktop import box_text, click, geometry, settle, type_keys

# Element centres on the bar, in pixels from its top left corner.
EXPAND = (155, 15)
CLOSE = (173, 14)
FACE = (60, 8)
ANIMATED = (220, 8)
AUTO_LOAD = (300, 8)
AUTO_COMPLETE = (240, 23)


def autostart_folders():
    root = tempfile.mkdtemp(prefix="kc-e2e-xdg-")
    system, user = os.path.join(root, "etc-xdg"), os.path.join(root, "config")
    os.environ["XDG_CONFIG_DIRS"] = system
    os.environ["XDG_CONFIG_HOME"] = user
    return root, os.path.join(system, "autostart"), os.path.join(user, "autostart")


def test(binary):
    root, system, user = autostart_folders()
    try:
        first_minutes(binary, system, user)
    finally:
        shutil.rmtree(root, ignore_errors=True)


def first_minutes(binary, system, user):

    with harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        bar = run.window("Countdown")
        settle((186, 30))
        click(EXPAND)
        harness.wait_for(lambda: box_text(bar) == "", what="the empty search box")
        type_keys("a")
        harness.wait_for(lambda: ("Did you mean Angola?", "") in run.labels(bar),
                         what="the offer of Angola")
        settle((186, 47))
        type_keys("n")
        harness.wait_for(lambda: box_text(bar) == "Angola", what="the completed name")
        settle((186, 30))

        # Back to the countdown view; the settings strip slides out on a right click.
        click(EXPAND)
        harness.wait_for(lambda: ("Germany Vs Costa Rica", "") in run.labels(bar),
                         what="the countdown view")
        click(FACE, button=3)
        settle((372, 30))
        for toggle in (ANIMATED, AUTO_LOAD, AUTO_COMPLETE):
            click(toggle)
        harness.wait_for(lambda: {("Animated? No", ""), ("Auto Load? No", ""),
                                  ("Auto Complete Search? No", "")} <= set(run.labels(bar)),
                         what="all three settings off")

        # Dragged by its grip, the bar follows the mouse (with no window
        # manager here, it follows by itself) from where the drag began.
        x, y, _, _ = geometry()
        subprocess.run(["xdotool", "mousemove", str(x + 5), str(y + 15), "mousedown", "1",
                        "mousemove", str(x + 5), str(y + 16), "sleep", "0.2",
                        "mousemove", str(x - 95), str(y + 66), "sleep", "0.2",
                        "mousemove", str(x - 295), str(y + 216), "sleep", "0.2", "mouseup", "1"],
                       check=True)
        harness.wait_for(lambda: geometry()[:2] == (x - 300, y + 200), what="the dragged bar")

        # A second copy ends at once and writes nothing.
        second = subprocess.run([run.executable], env=run.environment(), timeout=60)
        assert second.returncode == 0, second.returncode
        assert not os.path.exists(run.path("settings.dsl"))

        click(CLOSE)
        assert run.process.wait(timeout=15) == 0
        with open(run.path("settings.dsl"), "rb") as saved:
            assert saved.read() == b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]"
        assert not os.path.exists(os.path.join(system, os.path.basename(binary) + ".desktop"))
        assert not os.path.exists(os.path.join(user, os.path.basename(binary) + ".desktop"))
        assert not os.path.exists(run.path("RemindMe.dsl"))

    # With the settings left on, the close writes them and the autostart entry.
    with harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        run.window("Countdown")
        settle((186, 30))
        click(CLOSE)
        assert run.process.wait(timeout=15) == 0
        with open(run.path("settings.dsl"), "rb") as saved:
            assert saved.read() == b"[AutoLoad Yes]\r\n[Animated Yes]\r\n[AutoComplete Yes]"
        with open(os.path.join(system, os.path.basename(binary) + ".desktop")) as entry:
            assert f'\nExec="{run.executable}"\n' in entry.read()


if __name__ == "__main__":
    harness.main(test)
