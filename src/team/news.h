#pragma once

#include <string>
#include <string_view>

// The team news links: each team's page on the news site.
namespace News {

inline constexpr std::string_view indexPagePath = "/06/en/w/news/index.html";

// The team page of a display name (exact, case-sensitive), or the index page
// for any other text.
std::string newsPagePath(std::string_view teamName);

// The full address on the news site `site` ("http://host", with or without
// a trailing slash).
std::string newsPageAddress(std::string_view site, std::string_view teamName);

} // namespace News
