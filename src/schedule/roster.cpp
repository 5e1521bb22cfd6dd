#include "schedule/roster.h"

#include "common/text_search.h"

namespace {

constexpr std::array<Team, 32> teams{{
    {"Ecuador", "ecuador", 'A', "ecu"},
    {"Costa rica", "costa rica", 'A', "crc"},
    {"Germany", "germany", 'A', "ger"},
    {"Poland", "poland", 'A', "pol"},
    {"Paraguay", "paraguay", 'B', "par"},
    {"England", "england", 'B', "eng"},
    {"Trinidad and tobago", "trinidad and tobago", 'B', "tri"},
    {"Sweden", "sweden", 'B', "swe"},
    {"Cote d'ivoire", "cote d'ivoire", 'C', "civ"},
    {"Argentina", "argentina", 'C', "arg"},
    {"Serbia and montenegro", "serbia and montenegro", 'C', "scg"},
    {"Netherlands", "netherlands", 'C', "ned"},
    {"Iran", "iran", 'D', "irn"},
    {"Mexico", "mexico", 'D', "mex"},
    {"Angola", "angola", 'D', "ang"},
    {"Portugal", "portugal", 'D', "por"},
    {"Ghana", "ghana", 'E', "gha"},
    {"Italy", "italy", 'E', "ita"},
    {"USA", "usa", 'E', "usa"},
    {"Czech republic", "czech republic", 'E', "cze"},
    {"Croatia", "croatia", 'F', "cro"},
    {"Brazil", "brazil", 'F', "bra"},
    {"Australia", "australia", 'F', "aus"},
    {"Japan", "japan", 'F', "jpn"},
    {"Switzerland", "switzerland", 'G', "sui"},
    {"France", "france", 'G', "fra"},
    {"Korea republic", "korea republic", 'G', "kor"},
    {"Togo", "togo", 'G', "tog"},
    {"Ukraine", "ukraine", 'H', "ukr"},
    {"Spain", "spain", 'H', "esp"},
    {"Tunisia", "tunisia", 'H', "tun"},
    {"Saudi arabia", "saudi arabia", 'H', "ksa"},
}};

} // namespace

const std::array<Team, 32>& roster() {
    return teams;
}

const Team* findTeam(std::string_view displayName) {
    for (const Team& team : teams) {
        if (team.displayName == displayName) {
            return &team;
        }
    }
    return nullptr;
}

std::optional<char> groupOf(std::string_view displayName) {
    const Team* team = findTeam(displayName);
    return team ? std::optional<char>(team->group) : std::nullopt;
}

std::optional<std::string_view> newsCodeOf(std::string_view displayName) {
    const Team* team = findTeam(displayName);
    return team ? std::optional<std::string_view>(team->newsCode) : std::nullopt;
}

std::string normaliseTeamName(std::string_view text) {
    const std::string lower = toLowerAscii(text);
    if (lower == "u.s.a" || lower == "usa") {
        return "USA";
    }
    if (lower.empty()) {
        return lower;
    }
    return toUpperAscii(lower.substr(0, 1)) + lower.substr(1);
}
