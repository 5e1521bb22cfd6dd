#!/usr/bin/env python3
"""Measures what the idle bar costs the machine.

Runs the real kickoff-clock binary and a tiny Qt program with one
always-running 5 ms timer side by side under Xvfb. After a settling pause it
reads, for each process, the voluntary context switches of all its threads
(/proc/PID/task/*/status) and its CPU time (/proc/PID/stat), waits, reads
them again, and reports wake-ups per second and CPU % of one core. Several
runs; the medians are printed.

    bench/idle_cost.py BUILD_DIR [--runs 5] [--seconds 20] [--settle 3] [--tray] [--calendar]
                        [--reminders N] [--alert]

--tray puts a notification area (trayer) on the display, so the bar's tray
icon is shown and counted.
With --calendar the bar runs on 1 June 2006 against the loopback site, and
the measurement starts once Germany's group calendar and the match day window
of day 9 are open, the mouse off every window.
With --reminders the program folder holds a store of N reminder lines.
With --alert the bar runs on a match day with a reminder due at start; its
alert is closed after a few seconds, before the measurement starts.
"""

import argparse
import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from reminder_store import write_store

_INSIDE = "KICKOFF_BENCH_INSIDE"
_E2E = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e")
LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1"
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
DUE_AT_START = b";10/06/2006|21:00|England|Paraguay|b\r\n"  # at the moment --alert runs on


def wakeups(pid):
    """Voluntary context switches summed over the process's threads."""
    total = 0
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(status) as lines:
                for line in lines:
                    if line.startswith("voluntary_ctxt_switches:"):
                        total += int(line.split()[1])
        except FileNotFoundError:  # a thread that ended meanwhile
            pass
    return total


def cpu_seconds(pid):
    """User plus system time of the whole process."""
    with open(f"/proc/{pid}/stat") as stat:
        # The command name may hold blanks; the fields after it are fixed.
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def sample(pids):
    return {name: (wakeups(pid), cpu_seconds(pid), time.monotonic()) for name, pid in pids.items()}


def start_bar(binary, folder, moment=None):
    executable = os.path.join(folder, os.path.basename(binary))
    shutil.copy2(binary, executable)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"),
               XDG_CONFIG_DIRS=os.path.join(folder, "xdg"))
    if moment:
        env.update(LD_PRELOAD=LIBFAKETIME, FAKETIME="@" + moment, FAKETIME_DONT_FAKE_MONOTONIC="1")
    process = subprocess.Popen([executable], cwd=folder, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The bar is idle once it is on screen and has grown and settled.
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Countdown$"],
                   stdout=subprocess.DEVNULL, timeout=60, check=True)
    return process


def open_calendar():
    """Germany's widened panel, its group calendar, day 9's matches; then the
    mouse leaves the windows."""
    sys.path.insert(0, _E2E)
    from harness import click, geometry, settle, wait_for, xdotool

    def shown(title):
        return wait_for(lambda: subprocess.run(["xdotool", "search", "--name", f"^{title}$"],
                                               capture_output=True).returncode == 0, what=title)

    settle((186, 30))
    click((155, 15))  # the search view
    click((70, 15))  # into the box
    time.sleep(0.5)
    xdotool("type", "--delay", 80, "ge")
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    shown("Team")
    time.sleep(2.5)  # the panel's lookup
    click((167, 24), title="Team")
    wait_for(lambda: geometry("Team")[2] == 348, what="the widened panel")
    click((263, 37), title="Team")
    shown("June - Group A Calender")
    click((104, 72), title="June - Group A Calender")
    shown("Match Day Information")
    subprocess.run(["xdotool", "mousemove", "1279", "799"], check=True)


def close_alert():
    """The alert that opened at start, closed by its CloseMe a few seconds later."""
    sys.path.insert(0, _E2E)
    from harness import click, shown, wait_for

    wait_for(lambda: shown("Match Reminder"), what="the alert")
    time.sleep(3)
    click((414, 9), title="Match Reminder")
    wait_for(lambda: not shown("Match Reminder"), what="the alert closed")


def one_run(build, seconds, settle, calendar, reminders, alert):
    folder = tempfile.mkdtemp(prefix="kc-bench-")
    processes = {}
    site = None
    try:
        if calendar:
            sys.path.insert(0, _E2E)
            from harness import LoopbackSite
            site = LoopbackSite()
        write_store(folder, reminders)
        if alert:
            with open(os.path.join(folder, "RemindMe.dsl"), "ab") as store:
                store.write(DUE_AT_START)
        moment = "2006-06-01 10:00:00" if calendar else None
        processes["bar"] = start_bar(os.path.join(build, "src", "kickoff-clock"), folder,
                                     "2006-06-10 09:30:00" if alert else moment)
        if calendar:
            open_calendar()
        if alert:
            close_alert()
        processes["5 ms timer"] = subprocess.Popen(
            [os.path.join(build, "bench", "idle_timer_reference")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(settle)
        pids = {name: process.pid for name, process in processes.items()}
        before = sample(pids)
        time.sleep(seconds)
        after = sample(pids)
        for name, process in processes.items():
            if process.poll() is not None:
                sys.exit(f"{name} ended during the measurement")
        result = {}
        for name in pids:
            elapsed = after[name][2] - before[name][2]
            result[name] = ((after[name][0] - before[name][0]) / elapsed,
                            100.0 * (after[name][1] - before[name][1]) / elapsed)
        return result
    finally:
        for process in processes.values():
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if site:
            site.__exit__()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", help="the CMake build folder")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=20.0)
    parser.add_argument("--settle", type=float, default=3.0)
    parser.add_argument("--tray", action="store_true", help="measure with a notification area")
    parser.add_argument("--calendar", action="store_true",
                        help="measure with the calendar and the match day window open")
    parser.add_argument("--reminders", type=int, default=0,
                        help="start with a store of this many reminders, none due")
    parser.add_argument("--alert", action="store_true",
                        help="start with a reminder due, its alert closed before measuring")
    args = parser.parse_args()

    if os.environ.get(_INSIDE) != "1":
        env = dict(os.environ, **{_INSIDE: "1"})
        command = ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24 -noreset", sys.executable] + sys.argv
        if args.calendar:
            # A loopback of its own, so the site's fixed ports are free.
            command = ["unshare", "-rn", "sh", "-c", 'ip link set lo up && exec "$@"', "sh"] + command
        sys.exit(subprocess.run(command, env=env).returncode)

    if args.tray:
        subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right"],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
    runs = []
    for number in range(1, args.runs + 1):
        result = one_run(os.path.abspath(args.build), args.seconds, args.settle, args.calendar,
                         args.reminders, args.alert)
        runs.append(result)
        print(f"run {number}: " + ", ".join(f"{name} {rate:.2f} wake-ups/s {cpu:.3f}% CPU"
                                             for name, (rate, cpu) in result.items()),
              flush=True)
    print(f"median of {args.runs} runs of {args.seconds:g} s:")
    for name in runs[0]:
        rates = [run[name][0] for run in runs]
        cpus = [run[name][1] for run in runs]
        print(f"  {name:>10}: {statistics.median(rates):8.2f} wake-ups/s"
              f"  {statistics.median(cpus):6.3f}% of a core")


if __name__ == "__main__":
    main()
