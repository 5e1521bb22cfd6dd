#!/usr/bin/env python3
"""A program folder the user cannot write (a system install): the program
carries its files into the user's configuration folder, keeps its settings
there, reads them back at the next start and leaves its own folder alone."""

import os
import tempfile

import harness
from desktop import AUTO_COMPLETE, CLOSE, FACE, click, settle

BESIDE = {"settings.dsl": b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete Yes]",
          "RemindMe.dsl": b";10/06/2006|21:00|England|Paraguay|B\r\n"}


def test(binary):
    home = tempfile.mkdtemp(prefix="kc-e2e-home-")
    os.environ.update(HOME=home, XDG_CONFIG_HOME=home + "/config")
    user = lambda name: harness.read(f"{home}/config/kickoff-clock/{name}")
    with harness.ProgramRun(binary, "2006-06-01 10:00:00", BESIDE, read_only=True) as run:
        assert {"Animated? No", "Auto Complete Search? Yes"} <= strip(run)
        assert all(user(name) == contents for name, contents in BESIDE.items())
        click(AUTO_COMPLETE)
        click(CLOSE)
        assert run.process.wait(timeout=15) == 0
        assert user("settings.dsl") == b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]"
        assert user("desktop.ini")
        assert sorted(os.listdir(run.folder)) == sorted([*BESIDE, os.path.basename(binary)])
        assert all(harness.read(run.path(name)) == c for name, c in BESIDE.items())
        run.start()
        assert "Auto Complete Search? No" in strip(run)


def strip(run):
    """The bar's buttons with the settings strip slid out."""
    bar = run.window("Kickoff Clock")
    settle((186, 30))
    click(FACE, button=3)
    settle((372, 30))
    return set(run.buttons(bar))


if __name__ == "__main__":
    harness.main(test)
