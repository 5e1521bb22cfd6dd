"""Runs the real kickoff-clock binary as a user would, for end-to-end tests.

A test script calls `main(test_function)`. Without a display it re-runs
itself under xvfb-run and a private D-Bus session, so that the program's
windows can be read back through the desktop's accessibility bus.

Each run gets a temporary program folder holding a copy of the binary (the
program keeps its files beside itself), a clock moved by faketime, and a
stub `xdg-open` first on PATH that records every URL or file it is asked to
open.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

A11Y_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"
_INSIDE = "KICKOFF_E2E_INSIDE"


def main(test):
    """Runs `test(binary)` inside a virtual desktop; exits 0 when it passes."""
    binary = os.path.abspath(sys.argv[1])
    if os.environ.get(_INSIDE) != "1":
        env = dict(os.environ, **{_INSIDE: "1"})
        command = ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24",
                   "dbus-run-session", "--", sys.executable] + sys.argv
        sys.exit(subprocess.run(command, env=env).returncode)
    launcher = subprocess.Popen([A11Y_BUS_LAUNCHER, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        test(binary)
    except Exception:
        traceback.print_exc()
        sys.exit(1)
    finally:
        launcher.terminate()
    print("passed")


def wait_for(condition, timeout=15.0, interval=0.2, what="condition"):
    """Polls `condition` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


class ProgramRun:
    """One run of the program from a fresh temporary program folder."""

    def __init__(self, binary, fake_time=None, files=None):
        self.folder = tempfile.mkdtemp(prefix="kc-e2e-")
        self.executable = os.path.join(self.folder, os.path.basename(binary))
        shutil.copy2(binary, self.executable)
        for name, contents in (files or {}).items():
            mode = "wb" if isinstance(contents, bytes) else "w"
            with open(os.path.join(self.folder, name), mode) as out:
                out.write(contents)
        self.opened_log = os.path.join(self.folder, "..", os.path.basename(self.folder) + ".opened")
        self._stub_dir = tempfile.mkdtemp(prefix="kc-e2e-bin-")
        self._write_opener_stub()
        self.fake_time = fake_time
        self.process = None

    def _write_opener_stub(self):
        stub = os.path.join(self._stub_dir, "xdg-open")
        with open(stub, "w") as out:
            out.write('#!/bin/sh\nprintf "%s\\n" "$1" >> "' + self.opened_log + '"\n')
        os.chmod(stub, 0o755)

    def environment(self):
        env = dict(os.environ)
        env["PATH"] = self._stub_dir + os.pathsep + env.get("PATH", "")
        # The accessibility bridge makes every label readable from outside.
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_QPA_PLATFORM"] = "xcb"
        if self.fake_time:
            # Preloaded directly (not through the faketime wrapper) so that
            # the process is the program itself. The wall clock starts at
            # the given moment and runs on; timers keep real time.
            env["LD_PRELOAD"] = LIBFAKETIME
            env["FAKETIME"] = "@" + self.fake_time
            env["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
            # libfaketime comes ahead of a sanitizer runtime.
            env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0"
        return env

    def start(self):
        self.process = subprocess.Popen([self.executable], cwd="/", env=self.environment())
        return self

    def opened(self):
        """What the program asked the desktop to open, in order."""
        try:
            with open(self.opened_log) as log:
                return log.read().splitlines()
        except FileNotFoundError:
            return []

    def path(self, name):
        return os.path.join(self.folder, name)

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()
        shutil.rmtree(self.folder, ignore_errors=True)
        shutil.rmtree(self._stub_dir, ignore_errors=True)
        try:
            os.remove(self.opened_log)
        except FileNotFoundError:
            pass
        return False

    # Reading the windows back.

    def windows(self):
        """The program's top-level windows as accessible trees, or []."""
        import pyatspi  # only present inside the virtual desktop

        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return [app.getChildAtIndex(i) for i in range(app.childCount)]
            except Exception:
                continue
        return []

    def window(self, title, timeout=15.0):
        """The top-level window with this caption, once it is shown."""
        def find():
            for window in self.windows():
                if window.name == title and window.getState().contains(_showing()):
                    return window
            return None
        return wait_for(find, timeout, what=f"window {title!r}")

    @staticmethod
    def labels(window):
        """(text, tooltip) of every showing label with a text, in order.

        The bar's hot areas are empty labels and are left out."""
        result = []
        for index in range(window.childCount):
            child = window.getChildAtIndex(index)
            if (child.getRoleName() == "label" and child.name
                    and child.getState().contains(_showing())):
                result.append((child.name, child.description))
        return result


def _showing():
    import pyatspi
    return pyatspi.STATE_SHOWING
