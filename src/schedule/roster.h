#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The 32 teams of the tournament as the program spells them.
struct Team {
    std::string_view displayName; // exact, case-sensitive ("Costa rica", "USA")
    std::string_view searchKey;   // the display name in lower case
    char group;                   // 'A' to 'H'
    std::string_view newsCode;    // three-letter tournament code
};

// In the order the fixture lookup tests them, group by group.
const std::array<Team, 32>& roster();

// Exact, case-sensitive match on the whole display name; no trimming.
const Team* findTeam(std::string_view displayName);
std::optional<char> groupOf(std::string_view displayName);
std::optional<std::string_view> newsCodeOf(std::string_view displayName);

// "usa"/"u.s.a" in any case give "USA"; anything else becomes its first
// character upper-cased and the rest lower-cased, as one whole text.
std::string normaliseTeamName(std::string_view text);
