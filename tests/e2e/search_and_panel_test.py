"""A user's first minutes: a search with its offer opens a team's panel with its next
match (its stadium's markup shown as typed); the group calendar and a day's matches, then
closed; a reminder and news page; the settings strip; a logout's SIGTERM, and a SIGHUP hard
on its heels, save the settings and the reminder and end the program."""

import signal

from harness import (ANIMATED, AUTO_COMPLETE, AUTO_LOAD, FACE, GERMANY, SITE_URL, LoopbackSite,
                     ProgramRun, accessible, buttons, click, geometry, labels, main, open_panel,
                     press, settle, shown, wait_for, SITE_SCHEDULE)

MARKED = {"GroupMatchs.xml": SITE_SCHEDULE.replace(b">Munich<", b"><b>Munich</b><")}
GROUP_A, MATCH_DAY = "June - Group A Calender", "Match Day Information"


def shows(window, *starts):  # texts so starting among its labels and buttons
    texts = [text for text, _ in labels(window)] + buttons(window)
    return all(any(t.startswith(start) for t in texts) for start in starts)


def test(binary):
    with LoopbackSite(files=MARKED), ProgramRun(binary) as run:
        bar = run.window("Kickoff Clock")
        accessible(bar)
        panel = open_panel(run, "ge", "Germany", offer="Did you mean Germany?")
        assert ("Playing at <b>Munich</b>", "Playing at <b>Munich</b> Stadium.") in labels(panel)
        bar_x, bar_y, _, bar_height = geometry()  # the panel right under the bar
        assert geometry("Team")[:3] == (bar_x, bar_y + bar_height, 174), geometry("Team")
        accessible(panel)
        press(panel, "Widen panel")
        wait_for(lambda: geometry("Team")[2] == 348, what="the widened panel")
        press(panel, "Group Match Calender")
        calendar = run.window(GROUP_A)
        accessible(calendar)
        assert shows(calendar, "9. Germany vs", "14. Germany vs", "20. Ecuador vs Germany")
        click((104, 72), title=GROUP_A)  # day 9
        wait_for(lambda: shows(run.window(MATCH_DAY), "09/06/2006", "18:00", "Germany",
                               "Costa rica", "21:00", "Poland", "Ecuador"), what="day 9's matches")
        click((134, 11), title=MATCH_DAY)  # its close button
        wait_for(lambda: not shown(MATCH_DAY), what="the match day window shrunk away")
        press(calendar, "Close")
        wait_for(lambda: not shown(GROUP_A), what="the calendar closed")
        press(panel, "Add Match Reminder")
        click((263, 80), title="Team")  # Team News
        wait_for(run.opened, what="the news page")
        assert run.opened() == [SITE_URL + "/06/en/w/news/team/ger.html"], run.opened()
        press(panel, "Close")

        # Back on the countdown, the settings strip slides out on a right click.
        wait_for(lambda: ("Germany Vs Costa Rica", "") in labels(bar), what="the countdown")
        click(FACE, button=3)
        settle((372, 30))
        for at in (ANIMATED, AUTO_LOAD, AUTO_COMPLETE):  # all three off
            click(at)
        settle((372, 30))  # the clicks taken
        run.process.send_signal(signal.SIGTERM)
        run.process.send_signal(signal.SIGHUP)
        assert run.process.wait(timeout=15) == 0
        assert run.written("desktop.ini", ".hidden") == {
            "settings.dsl": b"[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]",
            "RemindMe.dsl": GERMANY}
        assert not (run.home / "config/autostart").exists()  # Auto Load off


if __name__ == "__main__":
    main(test)
