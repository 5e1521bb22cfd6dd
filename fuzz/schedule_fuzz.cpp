// The group split and the team lookup on any schedule answer: every stored
// field is a piece of the answer, and a found match is the team's own, dated.
#include "fuzz_check.h"
#include "schedule/fixture_lookup.h"
#include "schedule/roster.h"

#include <memory>

void fuzzText(std::string_view text) {
    auto tables = std::make_unique<XMLParsing::GroupTables>(); // a local one crashes clang 14
    XMLParsing::splitGroups(text, *tables);
    for (char group = 'A'; group <= 'H'; ++group) {
        for (int slot = 1; slot <= XMLParsing::slotsPerGroup; ++slot) {
            const XMLParsing::MatchSlot& s = tables->slot(group, slot);
            for (const std::string* field : {&s.TEAM1, &s.TEAM2, &s.DATE, &s.TIME, &s.STADIUM}) {
                check(text.find(*field) != std::string_view::npos);
            }
        }
    }
    for (const Team& team : roster()) {
        const auto found = XMLParsing::lookupFixture(*tables, team.displayName, {2006, 6, 1});
        check(found.outcome != XMLParsing::FixtureLookup::Outcome::Found ||
              (found.slot && parseDayMonthYear(found.slot->DATE) &&
               (found.slot->TEAM1 == team.displayName || found.slot->TEAM2 == team.displayName) &&
               found.groupSuffix == std::string(" (Group ") + team.group + ")"));
    }
}
