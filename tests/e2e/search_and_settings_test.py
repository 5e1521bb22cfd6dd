#!/usr/bin/env python3
"""A new user's first minutes with the bar: search with suggestions, the
settings strip, a drag, closing, and what the close leaves behind."""

import os
import shutil
import subprocess
import tempfile

import harness
from desktop import (ANIMATED, AUTO_COMPLETE, AUTO_LOAD, CLOSE, EXPAND, FACE, box_text, click,
                     geometry, settle, start_search, type_keys)


def test(binary):
    root = tempfile.mkdtemp(prefix="kc-e2e-xdg-")
    os.environ["XDG_CONFIG_DIRS"] = os.path.join(root, "etc-xdg")
    os.environ["XDG_CONFIG_HOME"] = os.path.join(root, "config")
    try:
        with harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
            first_minutes(run)
        entries = [os.path.join(root, folder, "autostart", os.path.basename(binary) + ".desktop")
                   for folder in ("etc-xdg", "config")]
        assert not any(map(os.path.exists, entries)), entries
    finally:
        shutil.rmtree(root, ignore_errors=True)


def first_minutes(run):
    bar = run.window("Kickoff Clock")
    settle((186, 30))
    start_search(bar)
    type_keys("a")
    harness.wait_for(lambda: "Did you mean Angola?" in run.buttons(bar),
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
    harness.wait_for(lambda: {"Animated? No", "Auto Load? No", "Auto Complete Search? No"}
                     <= set(run.buttons(bar)),
                     what="all three settings off")

    # Dragged by its grip, the bar follows the mouse (with no window manager
    # here, it follows by itself) from where the drag began.
    x, y, _, _ = geometry()
    subprocess.run(["xdotool", "mousemove", str(x + 5), str(y + 15), "mousedown", "1",
                    "mousemove", str(x + 5), str(y + 16), "sleep", "0.2",
                    "mousemove", str(x - 95), str(y + 66), "sleep", "0.2",
                    "mousemove", str(x - 295), str(y + 216), "sleep", "0.2", "mouseup", "1"],
                   check=True)
    harness.wait_for(lambda: geometry()[:2] == (x - 300, y + 200), what="the dragged bar")

    click(CLOSE)
    assert run.process.wait(timeout=15) == 0
    assert harness.read(run.path("settings.dsl")) == \
        b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]"
    assert harness.read(run.path("RemindMe.dsl")) == b""  # none before: an empty store


if __name__ == "__main__":
    harness.main(test)
