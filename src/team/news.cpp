#include "team/news.h"

#include "schedule/roster.h"

namespace News {

std::string newsPagePath(std::string_view teamName) {
    const auto code = newsCodeOf(teamName);
    if (!code) {
        return std::string(indexPagePath);
    }
    return "/06/en/w/news/team/" + std::string(*code) + ".html";
}

std::string newsPageAddress(std::string_view site, std::string_view teamName) {
    while (!site.empty() && site.back() == '/') {
        site.remove_suffix(1);
    }
    return std::string(site) + newsPagePath(teamName);
}

} // namespace News
