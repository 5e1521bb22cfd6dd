#include "schedule/roster.h"
#include "team/news.h"

#include <gtest/gtest.h>

#include <filesystem>

using News::newsPageAddress;
using News::newsPagePath;

TEST(News, EachTeamOpensThePageOfItsOwnCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"Costa rica", "crc"},   {"Cote d'ivoire", "civ"},
        {"Saudi arabia", "ksa"}, {"Serbia and montenegro", "scg"},
        {"Spain", "esp"},        {"Switzerland", "sui"},
        {"Netherlands", "ned"},  {"Germany", "ger"},
        {"Ecuador", "ecu"},      {"USA", "usa"},
    };
    for (const auto& [team, code] : cases) {
        EXPECT_EQ(newsPagePath(team), std::string("/06/en/w/news/team/") + code + ".html") << team;
    }
}

TEST(News, AnythingButADisplayNameOpensTheIndexPage) {
    for (const char* name : {"Usa", "", "germany", "Germany ", "Saudi Arabia", "Atlantis"}) {
        EXPECT_EQ(newsPagePath(name), "/06/en/w/news/index.html") << name;
    }
}

TEST(News, TheAddressJoinsTheSiteAndThePath) {
    EXPECT_EQ(newsPageAddress("http://127.0.0.1:8006", "Germany"),
              "http://127.0.0.1:8006/06/en/w/news/team/ger.html");
    EXPECT_EQ(newsPageAddress("http://news.example/", "Usa"),
              "http://news.example/06/en/w/news/index.html");
}

TEST(News, TheLoopbackSiteHasEveryPageThePanelOpens) {
    const std::filesystem::path site = KC_SITE_DIR;
    EXPECT_TRUE(std::filesystem::is_regular_file(site / "06/en/w/news/index.html"));
    for (const Team& team : roster()) {
        const std::string path = newsPagePath(team.displayName).substr(1);
        EXPECT_TRUE(std::filesystem::is_regular_file(site / path)) << path;
    }
}
