"""The real kickoff-clock binary run as a user would, on a virtual display with a D-Bus
session and, where the machine allows, a loopback and mounts of its own."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
from urllib.parse import urlsplit

HERE = pathlib.Path(__file__).resolve().parent
SITE_SCHEDULE = (HERE / "../../site/GroupMatchs.xml").read_bytes()  # as the site serves it
SITE_URL = os.environ.get("KC_SITE_URL", "http://127.0.0.1:8006")
MIRROR_URL = os.environ.get("KC_MIRROR_URL", "http://127.0.0.1:8016")
PRIVATE_MOUNTS = os.environ.get("KICKOFF_E2E_PRIVATE") == "1"  # made now, they vanish with us
WINDOW_MANAGER = os.environ.get("KC_E2E_WINDOW_MANAGER")  # run on the desktop, if one is named
EXPAND, SEARCH_BOX, CLOSE, FACE = (155, 15), (74, 15), (173, 14), (60, 8)  # on the bar
ANIMATED, AUTO_LOAD, AUTO_COMPLETE = (220, 8), (300, 8), (240, 23)
GERMANY = b";09/06/2006|18:00|Costa rica|Germany|a\r\n"  # the reminder of its next match


def main(test):  # runs test(binary) on a virtual desktop, managed if asked; exits 0 if it passes
    if os.environ.get("KICKOFF_E2E_STAGE") != "in":
        # Xvfb picks a free display; never resetting, it takes one program after another.
        display = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x800x24",
                                    "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
        os.environ.update(DISPLAY=":" + display.stdout.readline().strip(), KICKOFF_E2E_STAGE="in",
                          XDG_RUNTIME_DIR=tempfile.mkdtemp(prefix="kc-runtime-"))  # the buses
        command = ["dbus-run-session", "--", sys.executable] + sys.argv
        private = ["unshare", "-rnm", "sh", "-c", 'ip link set lo up && exec "$@"', "sh"]
        if shutil.which("unshare") and not subprocess.run(private + ["true"]).returncode:
            command, os.environ["KICKOFF_E2E_PRIVATE"] = private + command, "1"
        try:
            sys.exit(subprocess.run(command).returncode)
        finally:
            display.terminate()
            shutil.rmtree(os.environ["XDG_RUNTIME_DIR"], ignore_errors=True)
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]  # up before the program
    wait_for(lambda: not subprocess.run(ask, capture_output=True).returncode, 30, "a11y bus")
    manager = WINDOW_MANAGER and subprocess.Popen([WINDOW_MANAGER], stderr=subprocess.DEVNULL)
    try:  # a window manager's check window announces it is up
        wait_for(lambda: not manager or "window id" in xprop("-root", "_NET_SUPPORTING_WM_CHECK"),
                 what=WINDOW_MANAGER)
        test(os.path.abspath(sys.argv[1]))  # raising, it exits 1
    finally:
        if manager:
            manager.terminate()


def wait_for(condition, timeout=15.0, what="condition"):  # its first true value
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.2)
    return value


class LoopbackSite:  # serving `files`, `mirror_files` (the schedule; False: refusing)

    def __init__(self, files=None, mirror_files=None, site_rules=()):
        self.root = tempfile.mkdtemp(prefix="kc-site-")
        command = [sys.executable, HERE / "../fixtures/loopback_site.py", "--log",
                   self.root + "/log"] + [a for rule in site_rules for a in ("--site-rule", rule)]
        for name, url, content in (("site", SITE_URL, files), ("mirror", MIRROR_URL, mirror_files)):
            os.mkdir(f"{self.root}/{name}")
            for file, data in (content or {"GroupMatchs.xml": SITE_SCHEDULE}).items():
                pathlib.Path(f"{self.root}/{name}/{file}").write_bytes(data)
            command += [f"--{name}-root", f"{self.root}/{name}",
                        f"--{name}-port", "off" if content is False else str(urlsplit(url).port)]
        self.process = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
        assert self.process.stdout.readline().startswith("READY"), "no loopback site (ports?)"

    def requests(self):  # (server, path), in order
        return [tuple(line.split()) for line in pathlib.Path(self.root, "log").open()]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()  # the ports free for the next
        shutil.rmtree(self.root)


class ProgramRun:  # from a fresh program folder in `parent`, with folders of its own

    def __init__(self, binary, fake_time="2006-06-01 10:00:00", files=None, read_only=False,
                 parent=None):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="kc-e2e-", dir=parent))
        self.home = pathlib.Path(tempfile.mkdtemp(prefix="kc-e2e-home-"))
        self.executable = shutil.copy2(binary, self.folder)
        for name, contents in (files or {}).items():
            (self.folder / name).write_bytes(contents)
        (self.home / "bin").mkdir()  # an xdg-open noting what the desktop is asked to open
        (self.home / "bin/xdg-open").write_text(f'#!/bin/sh\necho "$1" >> {self.home}/opened\n')
        (self.home / "bin/xdg-open").chmod(0o755)
        self.fake_time, self.read_only = fake_time, read_only
        self.command, self.env = [self.executable], {}  # the package's run sets its own
        if read_only:  # root writes through modes, not through a read-only mount
            subprocess.run(["mount", "--bind", "-o", "ro", self.folder, self.folder], check=True)

    def __enter__(self):
        env = dict(os.environ, PATH=f"{self.home}/bin:{os.environ['PATH']}",
                   XDG_CONFIG_HOME=f"{self.home}/config", XDG_CONFIG_DIRS=f"{self.home}/xdg",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        # Preloaded, so the process is the program itself; timers keep real time.
        env.update(LD_PRELOAD="/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1",
                   FAKETIME="@" + self.fake_time, FAKETIME_DONT_FAKE_MONOTONIC="1",
                   ASAN_OPTIONS=env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
        self.process = subprocess.Popen(self.command, cwd="/", env=dict(env, **self.env))
        return self

    def __exit__(self, *exc):
        self.process.terminate()  # nothing if it ended
        self.process.wait(timeout=10)
        subprocess.run(["umount", self.folder], stderr=subprocess.DEVNULL)  # if read-only
        shutil.rmtree(self.folder)
        shutil.rmtree(self.home)

    def written(self, *besides):  # the files beside the program, with contents
        return {f.name: f.read_bytes() for f in self.folder.iterdir()
                if f.name not in {os.path.basename(self.executable), *besides}}

    def opened(self):  # what the program asked the desktop to open, in order
        opened = self.home / "opened"
        return opened.read_text().splitlines() if opened.exists() else []

    def windows(self):  # the top-level windows as accessible trees
        import pyatspi  # only present inside the virtual desktop
        for app in _children(pyatspi.Registry.getDesktop(0)):
            try:
                if app.get_process_id() == self.process.pid:
                    return _children(app)
            except Exception:  # an application that just ended
                pass
        return []

    def window(self, title, timeout=15.0):  # once it is shown
        return wait_for(lambda: next((w for w in self.windows()
                                      if w.name == title and _showing(w)), None),
                        timeout, what=f"window {title!r}")


def _children(node):  # a window on its way out leaves a gap (None) for a moment
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c]


def _showing(node):
    import pyatspi
    return node.getState().contains(pyatspi.STATE_SHOWING)


def _shown(node, role=None):  # the showing objects under `node`, all the way down
    for child in filter(_showing, _children(node)):
        yield from [child] if role in (None, child.getRoleName()) else []
        yield from _shown(child, role)


def labels(window):  # (text, tooltip)
    return [(c.name, c.description) for c in _shown(window, "label") if c.name]


def buttons(window):
    return [c.name for c in _shown(window, "push button")]


def press(window, button):  # as a screen reader would
    target = next((n for n in _shown(window, "push button") if n.name == button), None)
    assert target, f"no button {button!r} in {window.name!r}"
    try:
        target.queryAction().doAction(0)
    except Exception as error:  # a press that ends the program gets no answer
        assert "disconnected" in str(error), error


def accessible(window):  # as a screen reader needs it: nothing showing unnamed
    assert all(n.name for n in [window, *_shown(window)] if n.getRoleName() in
               {"label", "image", "icon", "push button", "frame", "alert"}), window.name


def geometry(title="Countdown"):  # x, y, width, height of the X window
    out = subprocess.run(["xdotool", "search", "--name", f"^{title}$", "getwindowgeometry",
                          "--shell"], capture_output=True, text=True, check=True).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def shown(title):  # the X windows on show with this caption
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          capture_output=True).stdout.split()


def xprop(*args):
    return subprocess.run(["xprop", *args], capture_output=True, text=True).stdout


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def click(at, button=1, title="Countdown"):  # `at` from the window's top left corner
    x, y, _, _ = geometry(title)
    xdotool("mousemove", x + at[0], y + at[1], "click", button)


def settle(size):  # until the bar has its size and edge keeping no longer moves it
    def still():
        before = geometry()
        time.sleep(0.3)
        return before[2:] == size and geometry() == before
    wait_for(still, what=f"the bar at rest at {size}")


def open_panel(run, keys, name, offer=None):  # typed into the search, `offer` after one key
    def box():  # the search box's text while it shows
        return next((c.queryText().getText(0, -1) for c in _shown(bar, "text")), None)
    bar = run.window("Kickoff Clock")
    settle((186, 30))
    click(EXPAND)
    wait_for(lambda: box() == "Search for a team...", what="the prompt")
    click(SEARCH_BOX)
    wait_for(lambda: box() == "", what="the empty search box")
    xdotool("type", "--delay", 80, keys[0])
    wait_for(lambda: not offer or offer in buttons(bar), what=f"the offer {offer}")
    xdotool("type", "--delay", 80, keys[1:])
    wait_for(lambda: box() == name, what="the completed name")
    settle((186, 30))
    xdotool("key", "Return")  # the panel's title bears the group once its match is found
    panel = wait_for(lambda: next((w for w in run.windows()
                                   if w.name.startswith(name + " (group ")), None),
                     what="the team's panel")
    wait_for(lambda: any(t.startswith("Playing at ") for t, _ in labels(panel)),
             timeout=2, what="the next match")
    return panel
