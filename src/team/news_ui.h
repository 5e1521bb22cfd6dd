#pragma once

#include <string_view>

class Shell;

namespace News {

// Opens the team's page on the news site in the browser (the index page for
// a name that is no display name). The answer of the browser is not awaited.
void OpenTeamNews(Shell& shell, std::string_view teamName);

} // namespace News
