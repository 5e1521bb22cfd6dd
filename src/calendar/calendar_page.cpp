#include "calendar/calendar_page.h"

#include "common/text_search.h"

namespace CalenderParsing {

namespace {

// The day a DATE names: the leading digits of its first two characters.
// Anything that is no day from 1 to 31 gives 0, and the match is skipped.
int dayOf(std::string_view date) {
    int day = 0;
    for (std::size_t i = 0; i < 2 && i < date.size() && date[i] >= '0' && date[i] <= '9'; ++i) {
        day = day * 10 + (date[i] - '0');
    }
    return day >= 1 && day <= dayCount ? day : 0;
}

std::string dayEntry(const XMLParsing::MatchSlot& match) {
    return match.TEAM1 + " vs " + match.TEAM2 + " - " + match.DATE + " " + match.TIME + " ";
}

} // namespace

std::string bareDayText(int d) {
    return std::to_string(d) + ".";
}

std::string monthWord(std::string_view title) {
    const auto dash = findFrom(title, " -");
    return dash ? std::string(title.substr(0, *dash + 1)) : std::string();
}

void ResetDayGrid(CalendarPage& page) {
    const int renumbered = monthWord(page.title) == "June " ? dayCount - 1 : dayCount;
    for (int d = 1; d <= renumbered; ++d) {
        page.day(d) = {bareDayText(d), false};
    }
    // June's 31st keeps its grey look.
    page.day(dayCount).text = bareDayText(dayCount);
}

void FillGroupDays(CalendarPage& page, const XMLParsing::GroupTables& tables, char group) {
    // Group A joins a cell's entries with "|| ", the other groups with " || ".
    const char* separator = group == 'A' ? "|| " : " || ";
    for (int n = 1; n <= XMLParsing::slotsPerGroup; ++n) {
        const XMLParsing::MatchSlot& match = tables.slot(group, n);
        if (match.DATE.empty()) {
            break;
        }
        const int d = dayOf(match.DATE);
        if (d == 0) {
            continue;
        }
        std::string& text = page.day(d).text;
        text += (text.size() < 5 ? " " : separator) + dayEntry(match);
    }
}

void FillAllGroupDays(CalendarPage& page, const XMLParsing::GroupTables& tables) {
    for (char group = 'A'; group <= 'H'; ++group) {
        FillGroupDays(page, tables, group);
    }
    page.title = allGroupsTitle;
}

void OpenCalender(CalendarPage& page, const XMLParsing::GroupTables& tables,
                  std::string_view selector) {
    // The reset reads the title this call replaces, so it comes first.
    ResetDayGrid(page);
    const std::string lower = toLowerAscii(selector);
    const std::string prefix = "(group ";
    const bool oneGroup = lower.size() == prefix.size() + 2 && lower.starts_with(prefix) &&
                          lower[prefix.size()] >= 'a' && lower[prefix.size()] <= 'h' &&
                          lower.back() == ')';
    if (!oneGroup) {
        FillAllGroupDays(page, tables);
        return;
    }
    const char group = static_cast<char>(lower[prefix.size()] - 'a' + 'A');
    FillGroupDays(page, tables, group);
    page.title = std::string("June - Group ") + group + " Calender";
}

} // namespace CalenderParsing
