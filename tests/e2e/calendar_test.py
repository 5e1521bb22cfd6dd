"""From a team's widened panel: the group calendar and a day's matches, then closed."""

from harness import (LoopbackSite, ProgramRun, accessible, buttons, click, labels, main,
                     open_panel, press, wait_for)

GROUP_A, MATCH_DAY = "June - Group A Calender", "Match Day Information"


def shows(window, *starts):  # texts so starting among its labels and buttons
    texts = [text for text, _ in labels(window)] + buttons(window)
    return all(any(t.startswith(start) for t in texts) for start in starts)


def closed(run, title):
    return lambda: title not in [w.name for w in run.windows()]


def test(binary):
    with LoopbackSite(), ProgramRun(binary) as run:
        panel = open_panel(run, "ge", "Germany")
        press(panel, "Widen panel")
        press(panel, "Group Match Calender")
        calendar = run.window(GROUP_A)
        accessible(calendar)
        assert shows(calendar, "9. Germany vs", "14. Germany vs", "20. Ecuador vs Germany")
        click((104, 72), title=GROUP_A)  # day 9
        wait_for(lambda: shows(run.window(MATCH_DAY), "09/06/2006", "18:00", "Germany",
                               "Costa rica", "21:00", "Poland", "Ecuador"), what="day 9's matches")
        click((134, 11), title=MATCH_DAY)  # its close button
        wait_for(closed(run, MATCH_DAY), what="the match day window shrunk away")
        press(calendar, "Close")
        wait_for(closed(run, GROUP_A), what="the calendar closed")


if __name__ == "__main__":
    main(test)
