#include "schedule/group_split.h"

#include "common/text_search.h"

#include <optional>

namespace XMLParsing {

namespace {

const MatchSlot emptySlot{};

constexpr std::string_view recordOpening = "<MATCH MID=\"";
constexpr std::string_view identifierClosing = "\">";
// The closing tag of the last record stands this close to the list's end.
constexpr long long lastRecordReach = 30;

// The group letter named by an identifier "grpA".."grpH"; nothing otherwise.
std::optional<char> groupOfIdentifier(std::string_view identifier) {
    if (identifier.size() < 4 || identifier.substr(0, 3) != "grp") {
        return std::nullopt;
    }
    const char letter = identifier[3];
    if (letter < 'A' || letter > 'H') {
        return std::nullopt;
    }
    return letter;
}

// The value between <NAME> and </NAME>, searched from `from`; the next
// field's search starts at its closing tag.
std::optional<Between> readField(std::string_view text, std::string_view name, std::size_t from) {
    return findBetween(text, "<" + std::string(name) + ">", "</" + std::string(name) + ">", from);
}

} // namespace

const MatchSlot& GroupTables::slot(char group, int slot) const {
    if (group < 'A' || group > 'H' || slot < 1 || slot > slotsPerGroup) {
        return emptySlot;
    }
    return groups_[group - 'A'][slot - 1];
}

MatchSlot* GroupTables::mutableSlot(char group, int slot) {
    if (group < 'A' || group > 'H' || slot < 1 || slot > slotsPerGroup) {
        return nullptr;
    }
    return &groups_[group - 'A'][slot - 1];
}

bool splitGroups(std::string_view text, GroupTables& tables) {
    const auto listEndFound = findFrom(text, listClosing);
    // A missing list end counts as lying before the text, so reading stops
    // after the first record.
    const long long listEnd = listEndFound ? static_cast<long long>(*listEndFound) : -1;

    // Where the next "</MATCH>" at or after the last search start lies. The
    // searches start further on with each record, so one found past the new
    // start still holds and one missing stays missing: each part of the text
    // is searched once, not once per record.
    std::optional<std::size_t> nextRecordEnd;
    bool recordEndSearched = false;

    int slotNumber = 1;
    std::optional<char> previousGroup = 'A';
    std::optional<char> currentGroup;
    std::size_t searchAt = 0;

    for (;;) {
        const auto identifier = findBetween(text, recordOpening, identifierClosing, searchAt);
        if (!identifier) {
            return false;
        }
        if (const auto group = groupOfIdentifier(identifier->text)) {
            currentGroup = group;
            if (currentGroup != previousGroup) {
                slotNumber = 1;
            }
        }

        // A ninth record of one run has no slot: it is read (so the records
        // after it are found) but not stored, and slots 1 to 8 keep theirs.
        MatchSlot* slot = currentGroup ? tables.mutableSlot(*currentGroup, slotNumber) : nullptr;
        std::size_t fieldFrom = identifier->closeAt;
        for (auto [name, field] :
             {std::pair{"TEAM1", &MatchSlot::TEAM1}, std::pair{"TEAM2", &MatchSlot::TEAM2},
              std::pair{"DATE", &MatchSlot::DATE}, std::pair{"TIME", &MatchSlot::TIME},
              std::pair{"STADIUM", &MatchSlot::STADIUM}}) {
            const auto read = readField(text, name, fieldFrom);
            if (!read) {
                return false;
            }
            if (slot) {
                slot->*field = std::string(read->text);
            }
            fieldFrom = read->closeAt;
        }

        if (!recordEndSearched || (nextRecordEnd && *nextRecordEnd < fieldFrom)) {
            nextRecordEnd = findFrom(text, recordClosing, fieldFrom);
            recordEndSearched = true;
        }
        const long long recordEndAt = nextRecordEnd ? static_cast<long long>(*nextRecordEnd) : 0;
        if (listEnd - recordEndAt < lastRecordReach) {
            return true;
        }
        ++slotNumber;
        previousGroup = currentGroup;
        searchAt = fieldFrom;
    }
}

} // namespace XMLParsing
