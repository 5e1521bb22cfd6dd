"""The loopback site and mirror (tests/fixtures/loopback_site.py) on the ports
the program was built to ask."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
from urllib.parse import urlsplit

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "fixtures", "loopback_site.py")
SITE_URL = os.environ.get("KC_SITE_URL", "http://127.0.0.1:8006")
MIRROR_URL = os.environ.get("KC_MIRROR_URL", "http://127.0.0.1:8016")

with open(os.path.join(HERE, "..", "..", "site", "GroupMatchs.xml"), "rb") as _f:
    SITE_SCHEDULE = _f.read()


def schedule_with_update(url, size_marker=b"<!-- [FSize] 2000 [FSize] -->"):
    """The site's schedule announcing the archive at `url`."""
    lines = [b"<!-- [Update] " + url.encode() + b" [Update] -->"
             if line.startswith(b"<!-- [Update] ") else
             size_marker if line.startswith(b"<!-- [FSize] ") else line
             for line in SITE_SCHEDULE.split(b"\r\n")]
    return b"\r\n".join(lines)


class LoopbackSite:
    """Files served as the site and the mirror (both the site's schedule by
    default), and the request log. `site` or `mirror` False leaves that port
    refusing connections; rules are "PATH=BEHAVIOUR" (see loopback_site.py)."""

    def __init__(self, files=None, mirror_files=None, site_rules=(), mirror_rules=(),
                 site=True, mirror=True):
        self.root = tempfile.mkdtemp(prefix="kc-site-")
        command = [sys.executable, SERVER, "--log", os.path.join(self.root, "log")]
        for name, port, content, rules, on in (
                ("site", urlsplit(SITE_URL).port, files, site_rules, site),
                ("mirror", urlsplit(MIRROR_URL).port, mirror_files, mirror_rules, mirror)):
            folder = os.path.join(self.root, name)
            os.mkdir(folder)
            for file, data in (content if content is not None else {"GroupMatchs.xml": SITE_SCHEDULE}).items():
                with open(os.path.join(folder, file), "wb") as f:
                    f.write(data)
            command += [f"--{name}-root", folder, f"--{name}-port", str(port) if on else "off"]
            command += [arg for rule in rules for arg in (f"--{name}-rule", rule)]
        self.process = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
        if not self.process.stdout.readline().startswith("READY"):
            self.__exit__()
            raise AssertionError("the loopback site did not start (ports in use?)")

    def requests(self):
        """(server, path) of every request received so far, in order."""
        log = os.path.join(self.root, "log")
        if not os.path.exists(log):
            return []
        with open(log) as lines:
            return [(e["server"], e["path"]) for e in map(json.loads, lines)]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)
        shutil.rmtree(self.root, ignore_errors=True)
        return False
