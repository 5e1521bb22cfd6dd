"""Driving the program's windows with the mouse and keyboard (xdotool)."""

import subprocess
import time

import harness

# The bar's expand button and search box, from its top left corner.
EXPAND, SEARCH_BOX = (155, 15), (74, 15)
# The bar's strip toggles, close button and face.
CLOSE, FACE = (173, 14), (60, 8)
ANIMATED, AUTO_LOAD, AUTO_COMPLETE = (220, 8), (300, 8), (240, 23)


def geometry(title="Countdown"):
    """x, y, width, height of the window with this caption, in pixels."""
    out = subprocess.run(["xdotool", "search", "--name", f"^{title}$", "getwindowgeometry",
                          "--shell"], capture_output=True, text=True, check=True).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def click(at, button=1, title="Countdown"):
    """Clicks at a point given from the window's top left corner."""
    x, y, _, _ = geometry(title)
    subprocess.run(["xdotool", "mousemove", str(x + at[0]), str(y + at[1]), "click", str(button)],
                   check=True)


def type_keys(keys):
    subprocess.run(["xdotool", "type", "--delay", "80", keys], check=True)


def box_text(bar):
    """The text of the bar's search box while it is on show, else None."""
    return next((c.queryText().getText(0, -1) for c in harness._children(bar)
                 if c.getRoleName() == "text" and harness._showing(c)), None)


def start_search(bar):
    """Opens the search view, which shows the prompt, and clicks into the box."""
    click(EXPAND)
    harness.wait_for(lambda: box_text(bar) == "Search for a team...", what="the prompt")
    click(SEARCH_BOX)
    harness.wait_for(lambda: box_text(bar) == "", what="the empty search box")


def settle(size):
    """Waits until the bar has its size and edge keeping no longer moves it."""
    def still():
        before = geometry()
        time.sleep(0.3)
        return before[2:] == size and geometry() == before
    harness.wait_for(still, what=f"the bar at rest at {size}")


def open_widened_panel(run, keys, name):
    """Searches the bar for a team by typing `keys` until it completes to
    `name`, opens its panel and widens it; returns the panel."""
    bar = run.window("Kickoff Clock")
    settle((186, 30))
    start_search(bar)
    type_keys(keys)
    harness.wait_for(lambda: box_text(bar) == name, what="the completed name")
    subprocess.run(["xdotool", "key", "Return"], check=True)
    # The panel bears the team's title, with its group once the match is found.
    panel = harness.wait_for(lambda: next((w for w in run.windows()
                                           if w.name.startswith(name + " (group ")), None),
                             what="the team's panel")
    harness.wait_for(lambda: any(text.startswith("Playing at ") for text, _ in run.labels(panel)),
                     what="the next match")
    click((167, 24), title="Team")  # the arrow widens it
    harness.wait_for(lambda: geometry("Team")[2] == 348, what="the widened panel")
    return panel
