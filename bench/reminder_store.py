"""RemindMe.dsl for the benchmarks: a number of lines for a match long past,
so that no reminder is ever due and the bar stays idle."""

import os

LINE = b";10/06/2006|21:00|England|Paraguay|b\r\n"


def write_store(folder, lines):
    if lines:
        with open(os.path.join(folder, "RemindMe.dsl"), "wb") as store:
            store.write(LINE * lines)
