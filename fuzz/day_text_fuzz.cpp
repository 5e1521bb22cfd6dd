// The calendar's day texts, any bytes: at most five rows, every field a
// piece of the text, the match day window has a height for what it shows,
// and a hover line names the title's month.
#include "calendar/calendar_page.h"
#include "calendar/hover_line.h"
#include "calendar/match_day.h"
#include "fuzz_check.h"

void fuzzText(std::string_view text) {
    const MatchDay::DayMatches day = MatchDay::readDayText(text);
    check(day.rows.size() <= MatchDay::maxRows && text.find(day.date) != std::string_view::npos);
    for (const MatchDay::MatchRow& row : day.rows) {
        check(text.find(row.time) != std::string_view::npos &&
              text.find(row.team1) != std::string_view::npos &&
              text.find(row.team2) != std::string_view::npos);
    }
    // The hover line of the same text names a day of the title's month.
    const int cell = static_cast<int>(text.size() % CalenderParsing::dayCount) + 1;
    for (const char* title : {CalenderParsing::designTitle, CalenderParsing::julyTitle}) {
        const auto line = CalenderParsing::hoverLine(title, cell, text, false);
        check(!line || line->ends_with(CalenderParsing::monthWord(title)));
    }
    check((MatchDay::windowHeight(static_cast<int>(day.rows.size())) > 0) == !day.rows.empty());
}
