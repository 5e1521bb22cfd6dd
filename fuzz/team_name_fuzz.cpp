// A team name typed or handed over: normalising is stable, an exact search
// key always normalises to a team of the roster, and the suggestion table
// answers only for its own keys with a caption that gives the name back.
#include "common/text_search.h"
#include "countdown/suggestions.h"
#include "countdown/team_search.h"
#include "fuzz_check.h"
#include "schedule/roster.h"

void fuzzText(std::string_view text) {
    const std::string name = normaliseTeamName(text);
    check(normaliseTeamName(name) == name && (name == "USA" || name.size() == text.size()));
    check(!namesTeamExactly(text) || findTeam(name) != nullptr);
    if (const auto row = Suggestions::lookup(text)) {
        check(row->key == toLowerAscii(text) &&
              Suggestions::nameInCaption(Suggestions::suggestionCaption(row->name)) == row->name);
    }
    // A caption's name is a piece of the caption.
    if (const auto named = Suggestions::nameInCaption(text)) {
        check(text.find("Did you mean " + *named + "?") != std::string_view::npos);
    }
}
