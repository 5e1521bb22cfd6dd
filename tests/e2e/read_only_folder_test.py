#!/usr/bin/env python3
"""A program folder the user cannot write (a system install): the program
carries its files over into the user's configuration folder, keeps the
settings there and reads them back at the next start; the program folder is
left as it was."""

import os
import shutil
import tempfile

import harness
from desktop import AUTO_COMPLETE, CLOSE, FACE, click, settle

BESIDE = {"settings.dsl": b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete Yes]",
          "RemindMe.dsl": b";10/06/2006|21:00|England|Paraguay|B\r\n"}


def test(binary):
    home = tempfile.mkdtemp(prefix="kc-e2e-home-")
    os.environ.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                      XDG_CONFIG_DIRS=os.path.join(home, "etc-xdg"))
    user = lambda name: os.path.join(home, "config", "kickoff-clock", name)
    try:
        with harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00", files=BESIDE,
                                read_only=True) as run:
            strip = settings_strip(run)
            assert {("Animated? No", ""), ("Auto Complete Search? Yes", "")} <= strip, strip
            for name, contents in BESIDE.items():
                assert harness.read(user(name)) == contents, name
            click(AUTO_COMPLETE)
            click(CLOSE)
            assert run.process.wait(timeout=15) == 0
            assert harness.read(user("settings.dsl")) == \
                b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]"
            assert os.path.exists(user("desktop.ini"))
            assert sorted(os.listdir(run.folder)) == sorted([*BESIDE, os.path.basename(binary)])
            assert all(harness.read(run.path(name)) == c for name, c in BESIDE.items())

            run.start()
            assert ("Auto Complete Search? No", "") in settings_strip(run)
    finally:
        shutil.rmtree(home, ignore_errors=True)


def settings_strip(run):
    """The bar's labels with the settings strip slid out."""
    bar = run.window("Countdown")
    settle((186, 30))
    click(FACE, button=3)
    settle((372, 30))
    return set(run.labels(bar))


if __name__ == "__main__":
    harness.main(test)
