#!/usr/bin/env python3
"""Start-up time to the bar: with the maker's site up, refusing connections,
and accepting but never answering. Prints the median of several runs each.

  bench/startup_time.py build/src/kickoff-clock [runs] [--reminders N] [--site-up-only]

The program runs from a temporary folder under Xvfb, in a network namespace
of its own where the machine allows it (so the site's fixed port is ours);
the time runs from starting the process to its "Countdown" window being
mapped (polled with xdotool every 10 ms). The program must be built with
the default site address (port 8006). With --reminders the program folder
holds a store of N reminder lines (270000 make about 10 MB)."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from reminder_store import write_store

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "tests", "fixtures", "loopback_site.py")
SITE = os.path.join(HERE, "..", "site")
INSIDE = "KICKOFF_BENCH_INSIDE"


def relaunch():
    command = ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24 -noreset", sys.executable] + sys.argv
    probe = ["unshare", "-rn", "sh", "-c", "ip link set lo up"]
    if subprocess.run(probe, stderr=subprocess.DEVNULL).returncode == 0:
        command = ["unshare", "-rn", "sh", "-c", 'ip link set lo up && exec "$@"', "sh"] + command
    else:
        print("no network namespace: using the machine's loopback", file=sys.stderr)
    env = dict(os.environ, **{INSIDE: "1"})
    sys.exit(subprocess.run(command, env=env).returncode)


def bar_shown(pid):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid),
                            "--name", "^Countdown$"], capture_output=True, text=True)
    return found.returncode == 0 and found.stdout.strip() != ""


def one_run(binary, reminders):
    folder = tempfile.mkdtemp(prefix="kc-bench-")
    executable = os.path.join(folder, os.path.basename(binary))
    shutil.copy2(binary, executable)
    write_store(folder, reminders)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    started = time.monotonic()
    process = subprocess.Popen([executable], cwd="/", env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while not bar_shown(process.pid):
            if time.monotonic() - started > 60:
                raise RuntimeError("no bar within 60 s")
            time.sleep(0.01)
        return time.monotonic() - started
    finally:
        process.terminate()
        process.wait()
        shutil.rmtree(folder, ignore_errors=True)


def measure(binary, runs, reminders, label, server_args):
    server = None
    if server_args is not None:
        server = subprocess.Popen([sys.executable, SERVER, "--site-root", SITE, "--log",
                                   os.devnull] + server_args,
                                  stdout=subprocess.PIPE, text=True)
        if not server.stdout.readline().startswith("READY"):
            raise RuntimeError("the loopback site did not start")
    try:
        one_run(binary, reminders)  # warms the caches; not counted
        times = [one_run(binary, reminders) for _ in range(runs)]
    finally:
        if server:
            server.terminate()
            server.wait()
    print(f"{label:<26} median {statistics.median(times):6.3f} s   "
          f"(min {min(times):.3f}, max {max(times):.3f}, {runs} runs)", flush=True)


def main():
    if os.environ.get(INSIDE) != "1":
        relaunch()
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("runs", type=int, nargs="?", default=7)
    parser.add_argument("--reminders", type=int, default=0)
    parser.add_argument("--site-up-only", action="store_true")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    measure(binary, args.runs, args.reminders, "site up", [])
    if not args.site_up_only:
        measure(binary, args.runs, args.reminders, "site refusing", None)
        measure(binary, args.runs, args.reminders, "site silent", ["--site-rule", "*=silent"])


if __name__ == "__main__":
    main()
