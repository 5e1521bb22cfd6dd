#pragma once

#include "common/civil_date.h"
#include "schedule/group_split.h"

#include <string>
#include <string_view>

namespace XMLParsing {

struct FixtureLookup {
    enum class Outcome {
        UnknownTeam, // no display name: the panel asks again later
        NoMatch,     // a team, but no slot dated after today
        Found,
    };
    Outcome outcome = Outcome::UnknownTeam;
    const MatchSlot* slot = nullptr; // the next match when found
    std::string opponent;
    std::string groupSuffix; // " (Group A)"
};

// A team's first group match dated after `today`, scanning slots 1 to 8 of its
// group in order; a slot whose DATE is no valid date never qualifies.
FixtureLookup lookupFixture(const GroupTables& tables, std::string_view displayName,
                            const CivilDate& today);

} // namespace XMLParsing
