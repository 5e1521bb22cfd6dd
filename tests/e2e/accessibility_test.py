#!/usr/bin/env python3
"""Through the accessibility bus alone, as a screen reader works: every showing
object a user can click is a named push button whose press action works,
nothing showing is an unnamed label or picture, and the alert is an alert."""

import harness
from desktop import box_text
from loopback import LoopbackSite

NAMED_ROLES = {"label", "image", "icon", "push button", "frame", "alert"}


def check(window, expected):
    """Nothing showing is unnamed; the push buttons press and include `expected`."""
    def shown(node):
        for child in harness._children(node):
            if harness._showing(child):
                yield child
                yield from shown(child)
    nodes = [window, *shown(window)]
    assert all(n.name for n in nodes if n.getRoleName() in NAMED_ROLES), window.name
    buttons = {n.name: n for n in nodes if n.getRoleName() == "push button"}
    assert all(b.queryAction().getName(0) == "Press" for b in buttons.values()), window.name
    assert expected <= buttons.keys(), (window.name, list(buttons))


def test(binary):
    with LoopbackSite(), harness.ProgramRun(binary, fake_time="2006-06-01 10:00:00") as run:
        shown = lambda: [w.name for w in run.windows() if harness._showing(w)]
        bar = run.window("Kickoff Clock")
        check(bar, {"Search", "Close", "Move", "Settings"})

        run.press(bar, "Search")
        harness.wait_for(lambda: box_text(bar) == "Search for a team...", what="the search view")
        box = next(c for c in harness._children(bar) if c.getRoleName() == "text")
        box.queryEditableText().setTextContents("ge")  # completes to Germany
        harness.wait_for(lambda: "Find team" in run.buttons(bar), what="the team named")
        run.press(bar, "Find team")

        panel = run.window("Germany (group a)")
        check(panel, {"Close", "Widen panel", "Add Match Reminder", "Group Match Calender",
                      "All Groups Calender", "Team News"})
        run.press(panel, "Widen panel")
        harness.wait_for(lambda: "Narrow panel" in run.buttons(panel), what="the widened panel")

        run.press(panel, "Group Match Calender")
        calendar = run.window("June - Group A Calender")
        check(calendar, {"Previous month", "Next month", "Close", "1.", "Group A", "Stage 1"})
        run.press(calendar, "Next month")
        run.press(run.window("July - Knock-out Stages"), "Close")
        harness.wait_for(lambda: len(shown()) == 2, what="the calendar closed")
        run.press(panel, "Close")
        harness.wait_for(lambda: shown() == ["Kickoff Clock"], what="the panel closed")


if __name__ == "__main__":
    harness.main(test, private_network=True)
