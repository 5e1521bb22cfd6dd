#include "countdown/suggestions.h"
#include "countdown/team_search.h"

#include <gtest/gtest.h>

using Suggestions::Action;

TEST(ExactCheck, NamesATeamInAnyCaseButUntrimmed) {
    for (const char* team : {"germany", "GERMANY", "Serbia and Montenegro", "cote d'ivoire"}) {
        EXPECT_TRUE(namesTeamExactly(team)) << team;
    }
    for (const char* other : {" germany", "germany ", "german", "Search for a team...", ""}) {
        EXPECT_FALSE(namesTeamExactly(other)) << '"' << other << '"';
    }
}

TEST(SuggestionTable, KeysActAsTheTableSays) {
    struct Case {
        const char* text;
        Action action;
        const char* name;
    };
    const Case cases[] = {
        {"a", Action::Suggest, "Angola"},         {"A", Action::Suggest, "Angola"},
        {"an", Action::Complete, "Angola"},       {"c", Action::Suggest, "Costa Rica"},
        {"co", Action::Suggest, "Costa Rica"},    {"cos", Action::Complete, "Costa rica"},
        {"b", Action::PlainComplete, "Brazil"},   {"k", Action::PlainComplete, "Korea republic"},
        {"m", Action::PlainComplete, "Mexico"},   {"n", Action::PlainComplete, "Netherlands"},
        {"SWI", Action::Complete, "Switzerland"}, {"tr", Action::Complete, "Trinidad and tobago"},
        {"po", Action::Suggest, "Poland"},        {"uk", Action::Complete, "Ukraine"},
    };
    for (const Case& c : cases) {
        const auto row = Suggestions::lookup(c.text);
        ASSERT_TRUE(row) << c.text;
        EXPECT_EQ(row->action, c.action) << c.text;
        EXPECT_EQ(row->name, c.name) << c.text;
    }
    for (const char* none : {"se", "gx", " a", "a ", "", "x", "angola", "serbia"}) {
        EXPECT_FALSE(Suggestions::lookup(none)) << '"' << none << '"';
    }
}

TEST(SuggestionTable, NoCompletedNameIsAKeyAndSerbiaHasNoRow) {
    for (const Suggestions::Row& row : Suggestions::table()) {
        EXPECT_FALSE(Suggestions::lookup(row.name)) << row.name;
        EXPECT_EQ(std::string(row.name).find("Serbia"), std::string::npos);
        EXPECT_EQ(Suggestions::lookup(row.key)->name, row.name) << "keys are distinct";
    }
}

TEST(SuggestionCaption, RoundTripsAndToleratesStrangeCaptions) {
    EXPECT_EQ(Suggestions::nameInCaption("Did you mean Sweden?"), "Sweden");
    EXPECT_EQ(Suggestions::nameInCaption("Did you mean Costa Rica?"), "Costa Rica");
    EXPECT_EQ(Suggestions::nameInCaption("Did you mean ?"), "");
    EXPECT_EQ(Suggestions::nameInCaption("Did you mean..."), std::nullopt);
    EXPECT_EQ(Suggestions::nameInCaption("Did you mean Iran"), std::nullopt);
    EXPECT_EQ(Suggestions::nameInCaption(""), std::nullopt);
    EXPECT_EQ(Suggestions::nameInCaption("?Did you mean Togo?x?"), "Togo");
}
