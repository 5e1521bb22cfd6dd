#include "team/news_ui.h"

#include "build_config.h"
#include "platform/shell.h"
#include "team/news.h"

namespace News {

void OpenTeamNews(Shell& shell, std::string_view teamName) {
    shell.openUrl(newsPageAddress(BuildConfig::newsUrl, teamName));
}

} // namespace News
