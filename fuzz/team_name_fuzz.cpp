// A team name typed or handed over: normalising is stable, an exact search
// key always normalises to a team of the roster, and the suggestion table
// answers only for its own keys with a caption that gives the name back.
#include "common/text_search.h"
#include "countdown/suggestions.h"
#include "countdown/team_search.h"
#include "schedule/roster.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string name = normaliseTeamName(text);
    if (normaliseTeamName(name) != name || (name != "USA" && name.size() != text.size())) {
        std::abort();
    }
    if (namesTeamExactly(text) && findTeam(name) == nullptr) {
        std::abort();
    }
    if (const auto row = Suggestions::lookup(text);
        row &&
        (row->key != toLowerAscii(text) ||
         Suggestions::nameInCaption(Suggestions::suggestionCaption(row->name)) != row->name)) {
        std::abort();
    }
    // A caption's name is a piece of the caption.
    if (const auto named = Suggestions::nameInCaption(text);
        named && text.find("Did you mean " + *named + "?") == std::string_view::npos) {
        std::abort();
    }
    return 0;
}
