"""The user's files stay whole, the old ones or the new, when the program is killed
around its saves; a huge store; a store that cannot be read is kept aside; a binary
replaced while it runs. With "mounts" after the program: when it fills its disk or finds
its folder read-only, which needs mounts of our own."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

from harness import (ANIMATED, CLOSE, FACE, GERMANY, PRIVATE_MOUNTS, LoopbackSite, ProgramRun,
                     click, main, open_panel, press, settle, shown, wait_for, xdotool)

LINES = b"".join(b";%02d/06/2006|%02d:00|Costa rica|Poland|a\r\n" % (day, hour)
                 for day in range(20, 30) for hour in range(12, 22))
# Settings unlike the program's own, so a rewrite shows; a 2 MB store to cut into.
OLD = {"settings.dsl": b"[AutoLoad No]\r\n[Animated Yes]\r\n[AutoComplete Yes]\r\n",
       "RemindMe.dsl": LINES * 500}
NEW = b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete Yes]"


def toggle_animated_and_close():
    xdotool("mousemove", 0, 799)  # off where the last bar was closed
    wait_for(lambda: shown("Countdown"), 60, "the bar")  # X knows no killed runs
    settle((186, 30))
    click(FACE, button=3)
    settle((372, 30))
    click(ANIMATED)
    time.sleep(0.3)
    click(CLOSE)


def test(binary):
    if sys.argv[2:] == ["mounts"]:
        return test_mounts(binary)
    for _ in range(6):
        with ProgramRun(binary, files=OLD) as run:
            toggle_animated_and_close()
            time.sleep(random.uniform(0, 0.08))  # into the close and its saves
            run.process.kill()
            run.process.wait()
            assert run.written()["settings.dsl"] in (OLD["settings.dsl"], NEW)
            assert run.written()["RemindMe.dsl"] == OLD["RemindMe.dsl"]

    # 10 MB ending in garbage: bench/startup_time.py times such a start quietly; here the
    # bound only catches a hang or a read growing faster than the store.
    with ProgramRun(binary, files={"RemindMe.dsl": LINES * 2600 + os.urandom(1 << 16)}):
        wait_for(lambda: shown("Countdown"), 10, "the bar, promptly")

    # A folder as the store, and the binary replaced (an upgrade) before the close: the
    # reminder is saved beside the old store, and the autostart entry names the program.
    run = ProgramRun(binary, files={".RemindMe.dsl.kc-save-Ab12Cd": b"half"})  # a kill's leftover
    (run.folder / "RemindMe.dsl").mkdir()
    with LoopbackSite(), run:
        panel = open_panel(run, "ge", "Germany", offer="Did you mean Germany?")
        for button in ("Widen panel", "Add Match Reminder", "Close"):
            press(panel, button)
        os.replace(shutil.copy(binary, run.folder / "new"), run.executable)
        toggle_animated_and_close()
        assert run.process.wait(timeout=30) == 0
        written = run.written("RemindMe.dsl.unreadable")  # the old store kept, the leftover gone
        assert written["RemindMe.dsl"] == GERMANY and not any(".kc-save-" in n for n in written)
        entry = run.home / "xdg/autostart/kickoff-clock.desktop"
        assert os.listdir(entry.parent) == [entry.name], os.listdir(entry.parent)
        assert f'\nExec="{run.executable}"\n' in entry.read_text()


def test_mounts(binary):
    if not PRIVATE_MOUNTS:
        print("a read-only folder, a full disk: no mounts of our own here")
        sys.exit(77)  # reported as skipped
    disk, size = tempfile.mkdtemp(), f"size={os.path.getsize(binary) + (4 << 20)}"
    subprocess.run(["mount", "-t", "tmpfs", "-o", size, "tmpfs", disk], check=True)
    runs = [ProgramRun(binary, files=OLD, read_only=True),
            ProgramRun(binary, files=OLD, parent=disk)]
    subprocess.run(f"cat /dev/zero 2>/dev/null > {disk}/filler", shell=True)  # to the end
    for run in runs:
        with run:
            toggle_animated_and_close()
            assert run.process.wait(timeout=30) == 0
            assert run.written() == OLD, run.written().keys()  # nothing written there
            if run.read_only:  # carried into the user's folder, with the new settings
                assert (run.home / "config/kickoff-clock/settings.dsl").read_bytes() == NEW
    subprocess.run(["umount", disk], check=True)
    os.rmdir(disk)


if __name__ == "__main__":
    main(test)
