#include "schedule/fixture_lookup.h"

#include "schedule/roster.h"

namespace XMLParsing {

FixtureLookup lookupFixture(const GroupTables& tables, std::string_view displayName,
                            const CivilDate& today) {
    FixtureLookup result;
    const auto group = groupOf(displayName);
    if (!group) {
        return result;
    }
    result.outcome = FixtureLookup::Outcome::NoMatch;
    for (int slotNumber = 1; slotNumber <= slotsPerGroup; ++slotNumber) {
        const MatchSlot& slot = tables.slot(*group, slotNumber);
        const auto date = parseDayMonthYear(slot.DATE);
        if (!date || *date <= today) {
            continue;
        }
        if (slot.TEAM1 == displayName) {
            result.opponent = slot.TEAM2;
        } else if (slot.TEAM2 == displayName) {
            result.opponent = slot.TEAM1;
        } else {
            continue;
        }
        result.outcome = FixtureLookup::Outcome::Found;
        result.slot = &slot;
        result.groupSuffix = std::string(" (Group ") + *group + ")";
        return result;
    }
    return result;
}

} // namespace XMLParsing
