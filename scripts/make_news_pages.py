#!/usr/bin/env python3
"""Writes the news site's pages into site/: an index and one page per team,
each listing the team's group matches from site/GroupMatchs.xml.

Run from anywhere: python3 scripts/make_news_pages.py
"""
import html
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
SITE = ROOT / "site"
NEWS = SITE / "06" / "en" / "w" / "news"

# Display name and news page code of the 32 teams, group by group.
TEAMS = [
    ("A", "Ecuador", "ecu"), ("A", "Costa rica", "crc"), ("A", "Germany", "ger"),
    ("A", "Poland", "pol"), ("B", "Paraguay", "par"), ("B", "England", "eng"),
    ("B", "Trinidad and tobago", "tri"), ("B", "Sweden", "swe"),
    ("C", "Cote d'ivoire", "civ"), ("C", "Argentina", "arg"),
    ("C", "Serbia and montenegro", "scg"), ("C", "Netherlands", "ned"),
    ("D", "Iran", "irn"), ("D", "Mexico", "mex"), ("D", "Angola", "ang"),
    ("D", "Portugal", "por"), ("E", "Ghana", "gha"), ("E", "Italy", "ita"),
    ("E", "USA", "usa"), ("E", "Czech republic", "cze"), ("F", "Croatia", "cro"),
    ("F", "Brazil", "bra"), ("F", "Australia", "aus"), ("F", "Japan", "jpn"),
    ("G", "Switzerland", "sui"), ("G", "France", "fra"), ("G", "Korea republic", "kor"),
    ("G", "Togo", "tog"), ("H", "Ukraine", "ukr"), ("H", "Spain", "esp"),
    ("H", "Tunisia", "tun"), ("H", "Saudi arabia", "ksa"),
]

FIELDS = ("TEAM1", "TEAM2", "DATE", "TIME", "STADIUM")


def matches(schedule):
    for record in re.findall(r"<MATCH\b.*?</MATCH>", schedule, re.S):
        values = {}
        for field in FIELDS:
            found = re.search(rf"<{field}>(.*?)</{field}>", record, re.S)
            values[field] = found.group(1).strip() if found else ""
        yield values


def page(title, body):
    return (
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\">"
        f"<title>{html.escape(title)}</title></head>\n<body>\n{body}</body>\n</html>\n"
    )


def team_page(group, name, code, schedule):
    rows = "".join(
        f"  <li>{html.escape(m['DATE'])} {html.escape(m['TIME'])}: "
        f"{html.escape(m['TEAM1'])} vs {html.escape(m['TEAM2'])}, "
        f"{html.escape(m['STADIUM'])}</li>\n"
        for m in schedule
        if name in (m["TEAM1"], m["TEAM2"])
    )
    body = (
        f"<h1>{html.escape(name)} news</h1>\n"
        f"<p>Group {group} of the 2006 World Cup in Germany. Team code: {code}.</p>\n"
        f"<h2>Group matches</h2>\n<ul>\n{rows}</ul>\n"
        "<p><a href=\"../index.html\">All teams</a></p>\n"
    )
    return page(f"{name} - World Cup 2006 news", body)


def index_page():
    rows = "".join(
        f"  <li>Group {group}: <a href=\"team/{code}.html\">{html.escape(name)}</a></li>\n"
        for group, name, code in TEAMS
    )
    body = f"<h1>World Cup 2006 team news</h1>\n<ul>\n{rows}</ul>\n"
    return page("World Cup 2006 team news", body)


def main():
    schedule = list(matches((SITE / "GroupMatchs.xml").read_text(encoding="latin-1")))
    (NEWS / "team").mkdir(parents=True, exist_ok=True)
    (NEWS / "index.html").write_text(index_page(), encoding="utf-8")
    for group, name, code in TEAMS:
        (NEWS / "team" / f"{code}.html").write_text(
            team_page(group, name, code, schedule), encoding="utf-8")


if __name__ == "__main__":
    main()
