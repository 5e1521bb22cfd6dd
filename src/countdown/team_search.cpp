#include "countdown/team_search.h"

#include "common/text_search.h"
#include "schedule/roster.h"

bool namesTeamExactly(std::string_view text) {
    const std::string probe = toLowerAscii(text);
    for (const Team& team : roster()) {
        if (team.searchKey == probe) {
            return true;
        }
    }
    return false;
}
