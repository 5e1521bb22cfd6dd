#include "update/schedule_fetch.h"

#include "common/text_search.h"

bool isErrorPage(std::string_view answer) {
    const auto found = findFrom(answer, "found");
    // Index 3 is the fourth character.
    return found && *found >= 3;
}
