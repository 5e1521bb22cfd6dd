"""Runs the real kickoff-clock binary as a user would: `main(test)` re-runs the
script on a virtual display (Xvfb) and a private D-Bus session (windows are
read back over the accessibility bus); each run has its own program folder,
faketime for the date and a stub `xdg-open` first on PATH that records what it
is asked to open.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"
_STAGE = "KICKOFF_E2E_STAGE"
_READ_ONLY_MOUNT = ["sh", "-c", 'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" "$0" '
                    '&& exec "$@"']
SKIPPED = 77  # CTest's SKIP_RETURN_CODE for the end-to-end tests


def _namespaces(network, mounts):
    """A user namespace with a loopback of its own and/or mounts of its own."""
    setup = "ip link set lo up && " if network else ""
    flags = "-r" + ("n" if network else "") + ("m" if mounts else "")
    return ["unshare", flags, "sh", "-c", setup + 'exec "$@"', "sh"]


def main(test, private_network=False, private_mounts=False):
    """Runs `test(binary)` on a virtual desktop, where the machine allows it on
    a loopback of its own with `private_network` and with mounts of its own
    (that vanish with it) with `private_mounts`; exits 0 if it passes."""
    stage = os.environ.get(_STAGE, "")
    if stage == "":
        command = [sys.executable] + sys.argv
        wrapper = _namespaces(private_network, private_mounts)
        if (private_network or private_mounts) and shutil.which("unshare") and subprocess.run(
                wrapper + ["true"], stderr=subprocess.DEVNULL).returncode == 0:
            command = wrapper + command
        sys.exit(_rerun(command, "display"))
    if stage == "display":
        # A runtime folder of its own: tests running side by side on the same
        # display number (each in its own network) must not share the
        # accessibility bus's socket, which lives there.
        os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="kc-runtime-")
        display = _start_display()
        try:
            sys.exit(_rerun(["dbus-run-session", "--", sys.executable] + sys.argv, "inside"))
        finally:
            display.terminate()
            display.wait()
            shutil.rmtree(os.environ["XDG_RUNTIME_DIR"], ignore_errors=True)
    binary = os.path.abspath(sys.argv[1])
    try:
        # The accessibility bus must answer before the program starts.
        ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
               "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
        wait_for(lambda: subprocess.run(ask, capture_output=True).returncode == 0, timeout=30,
                 what="the accessibility bus")
        test(binary)
    except Exception:
        traceback.print_exc()
        sys.exit(1)
    print("passed")


def _rerun(command, stage):
    return subprocess.run(command, env=dict(os.environ, **{_STAGE: stage})).returncode


def _start_display():
    """Starts Xvfb on the first display number it can really take (so tests
    that follow each other never race for one) and sets DISPLAY. The server
    never resets, so a program started right after another ended connects."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1280x800x24", "-nolisten", "tcp", "-noreset"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise AssertionError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    return server


def wait_for(condition, timeout=15.0, what="condition"):
    """Polls `condition` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.2)
    return value


def read(path):
    with open(path, "rb") as f:
        return f.read()


def _children(node):
    # A window on its way out leaves a gap (None) in the list for a moment.
    children = (node.getChildAtIndex(i) for i in range(node.childCount))
    return [child for child in children if child is not None]


def _showing(node):
    import pyatspi  # only present inside the virtual desktop
    return node.getState().contains(pyatspi.STATE_SHOWING)


def _read_only(folder, command):
    """`command` run with `folder` read-only: by its mode for a normal user,
    by a read-only bind mount of its own for root (who writes through modes),
    which needs a mount namespace."""
    os.chmod(folder, 0o555)
    if not os.access(folder, os.W_OK):
        return command
    os.chmod(folder, 0o755)
    wrapped = ["unshare", "-m"] + _READ_ONLY_MOUNT + [folder] + command
    probe = wrapped[:-len(command)] + ["true"]
    if subprocess.run(probe, stderr=subprocess.DEVNULL).returncode != 0:
        print("skipped: no mount namespace here to make a folder read-only for root")
        sys.exit(SKIPPED)
    return wrapped


class ProgramRun:
    """One run of the program from a fresh temporary program folder, which
    the program cannot write with `read_only`."""

    def __init__(self, binary, fake_time=None, files=None, read_only=False, command=None,
                 env=None, parent=None):
        """`command` starts the program in place of a copy of `binary`; `env`
        adds to its environment; `parent` holds the program folder."""
        self.folder = tempfile.mkdtemp(prefix="kc-e2e-", dir=parent)
        self.executable = os.path.join(self.folder, os.path.basename(binary))
        shutil.copy2(binary, self.executable)
        for name, contents in (files or {}).items():
            with open(self.path(name), "wb" if isinstance(contents, bytes) else "w") as out:
                out.write(contents)
        self._stub_dir = tempfile.mkdtemp(prefix="kc-e2e-bin-")
        self.opened_log = os.path.join(self._stub_dir, "opened")
        with open(os.path.join(self._stub_dir, "xdg-open"), "w") as stub:
            stub.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened_log}"\n')
        os.chmod(stub.name, 0o755)
        self.fake_time = fake_time
        self.process = None
        self._command = command or [self.executable]
        if read_only:
            self._command = _read_only(self.folder, self._command)
        self._env = env or {}

    def environment(self):
        env = dict(os.environ, PATH=self._stub_dir + os.pathsep + os.environ.get("PATH", ""),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        if self.fake_time:
            # Preloaded directly, so the process is the program itself; the
            # wall clock starts at the moment given, timers keep real time.
            env.update(LD_PRELOAD=LIBFAKETIME, FAKETIME="@" + self.fake_time,
                       FAKETIME_DONT_FAKE_MONOTONIC="1",
                       ASAN_OPTIONS=env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
        env.update(self._env)
        return env

    def start(self):
        self.process = subprocess.Popen(self._command, cwd="/", env=self.environment())
        return self

    def opened(self):
        """What the program asked the desktop to open, in order."""
        exists = os.path.exists(self.opened_log)
        return read(self.opened_log).decode().splitlines() if exists else []

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
        os.chmod(self.folder, 0o755)
        for folder in (self.folder, self._stub_dir):
            shutil.rmtree(folder, ignore_errors=True)

    def windows(self):
        """The program's top-level windows as accessible trees, or []."""
        import pyatspi
        for app in _children(pyatspi.Registry.getDesktop(0)):
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return _children(app)
            except Exception:
                continue
        return []

    def window(self, title, timeout=15.0):
        """The top-level window with this caption, once it is shown."""
        return wait_for(lambda: next((w for w in self.windows()
                                      if w.name == title and _showing(w)), None),
                        timeout, what=f"window {title!r}")

    @staticmethod
    def labels(window):
        """(text, tooltip) of the showing labels with a text (no hot areas)."""
        return [(c.name, c.description) for c in _children(window)
                if c.getRoleName() == "label" and c.name and _showing(c)]

    @staticmethod
    def buttons(window):
        """Names of the showing push buttons."""
        return [c.name for c in _children(window) if c.getRoleName() == "push button"
                and _showing(c)]

    @staticmethod
    def press(window, button):
        """Presses the push button captioned `button` anywhere in `window`."""
        def find(node):
            if node.getRoleName() == "push button" and node.name == button:
                return node
            return next(filter(None, map(find, _children(node))), None)
        target = find(window)
        assert target is not None, f"no button {button!r} in {window.name!r}"
        target.queryAction().doAction(0)
