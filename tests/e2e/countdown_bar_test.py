#!/usr/bin/env python3
"""The bar shows the day counter for the moved clock, top right on the screen."""

import harness


def test(binary):
    with harness.ProgramRun(binary, fake_time="2006-06-07 10:00:00") as run:
        bar = run.window("Countdown")
        expected = [("2 Days left until 09/06/06",
                     "There are 2 days left until the start of the 2006 World Cup."),
                    ("Germany Vs Costa Rica", "")]
        harness.wait_for(lambda: run.labels(bar)[:2] == expected, what="the day counter")
        # It grows open, then edge keeping moves it 20 twips down from the top.
        extents = lambda: bar.queryComponent().getExtents(0)
        harness.wait_for(lambda: (extents().x, extents().y, extents().width, extents().height)
                         == (1280 - 253, 1, 186, 30), what="the bar at its place")


if __name__ == "__main__":
    harness.main(test, private_network=True)
