"""The loopback maker's site and mirror (tests/fixtures/loopback_site.py) for
end-to-end tests, on the ports the program was built to ask."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
from urllib.parse import urlsplit

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "fixtures", "loopback_site.py")
SITE_DIR = os.path.join(HERE, "..", "..", "site")

SITE_URL = os.environ.get("KC_SITE_URL", "http://127.0.0.1:8006")
MIRROR_URL = os.environ.get("KC_MIRROR_URL", "http://127.0.0.1:8016")


def site_schedule():
    with open(os.path.join(SITE_DIR, "GroupMatchs.xml"), "rb") as f:
        return f.read()


def schedule_with_update(url, size_marker=b"<!-- [FSize] 2000 [FSize] -->"):
    """The site's schedule announcing the archive at `url`."""
    lines = site_schedule().split(b"\r\n")
    result = []
    for line in lines:
        if line.startswith(b"<!-- [Update] "):
            line = b"<!-- [Update] " + url.encode() + b" [Update] -->"
        elif line.startswith(b"<!-- [FSize] "):
            if not size_marker:
                continue
            line = size_marker
        result.append(line)
    return b"\r\n".join(result)


class LoopbackSite:
    """A folder of files served as the site (and the mirror), and its log.

    `site` or `mirror` set to False leaves that port refusing connections;
    rules are "PATH=BEHAVIOUR" strings (see loopback_site.py)."""

    def __init__(self, files=None, mirror_files=None, site_rules=(), mirror_rules=(),
                 site=True, mirror=True):
        self.root = tempfile.mkdtemp(prefix="kc-site-")
        self.mirror_root = tempfile.mkdtemp(prefix="kc-mirror-")
        self._fill(self.root, files if files is not None else {"GroupMatchs.xml": site_schedule()})
        self._fill(self.mirror_root,
                   mirror_files if mirror_files is not None else {"GroupMatchs.xml": site_schedule()})
        self.log_path = os.path.join(self.root, "..", os.path.basename(self.root) + ".log")
        command = [sys.executable, SERVER, "--site-root", self.root,
                   "--mirror-root", self.mirror_root, "--log", self.log_path,
                   "--site-port", str(urlsplit(SITE_URL).port) if site else "off",
                   "--mirror-port", str(urlsplit(MIRROR_URL).port) if mirror else "off"]
        for rule in site_rules:
            command += ["--site-rule", rule]
        for rule in mirror_rules:
            command += ["--mirror-rule", rule]
        self.process = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
        ready = self.process.stdout.readline()
        if not ready.startswith("READY"):
            self.stop()
            raise AssertionError("the loopback site did not start (ports in use?)")

    @staticmethod
    def _fill(folder, files):
        for name, contents in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(contents)

    def requests(self):
        """(server, path) of every request received so far, in order."""
        try:
            with open(self.log_path) as log:
                return [(e["server"], e["path"]) for e in map(json.loads, log)]
        except FileNotFoundError:
            return []

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)
        shutil.rmtree(self.mirror_root, ignore_errors=True)
        try:
            os.remove(self.log_path)
        except FileNotFoundError:
            pass
        return False


def elapsed_until(condition, timeout=20.0):
    """Seconds until `condition()` holds (polled every 50 ms)."""
    start = time.monotonic()
    while not condition():
        if time.monotonic() - start > timeout:
            raise AssertionError("timed out")
        time.sleep(0.05)
    return time.monotonic() - start
