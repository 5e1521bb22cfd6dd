#pragma once

#include <array>
#include <string>
#include <string_view>

namespace XMLParsing {

// One match slot of a group table: the verbatim field values of one record.
struct MatchSlot {
    std::string TEAM1;
    std::string TEAM2;
    std::string DATE;    // dd/mm/yyyy
    std::string TIME;    // hh:mm
    std::string STADIUM; // host city

    bool operator==(const MatchSlot&) const = default;
};

// The schedule's list and record closing tags.
inline constexpr std::string_view listClosing = "</GROUPLIST>";
inline constexpr std::string_view recordClosing = "</MATCH>";

inline constexpr int slotsPerGroup = 8;
inline constexpr int groupCount = 8;

// Slots 1 to 8 of each group A to H; the first slot with an empty DATE ends
// a group's matches.
class GroupTables {
public:
    // group 'A'..'H', slot 1..8; an empty slot for anything outside.
    const MatchSlot& slot(char group, int slot) const;
    MatchSlot* mutableSlot(char group, int slot);

private:
    std::array<std::array<MatchSlot, slotsPerGroup>, groupCount> groups_{};
};

// Cuts the schedule text into `tables`. Returns false when a record's opening
// text or a tag could not be found (an empty text fails at once); whatever was
// stored before that stays.
bool splitGroups(std::string_view scheduleText, GroupTables& tables);

} // namespace XMLParsing
