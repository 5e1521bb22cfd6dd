#include "team/news.h"
#include "team/panel_motion.h"
#include "team/panel_texts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace PanelMotion;

namespace {

// Ticks a size movement until done; every size passed, the start included.
template <typename Step> std::vector<SizeStep> run(Step step, int width, int height, bool anim) {
    std::vector<SizeStep> steps{{width, height, false}};
    while (!steps.back().done && steps.size() < 1000) {
        steps.push_back(step(steps.back().width, steps.back().height, anim));
    }
    return steps;
}

} // namespace

TEST(PanelMotion, OpeningAndClosingTakeSeventyThreeTicksOrOne) {
    const std::vector<SizeStep> open = run(openStep, seedSize, seedSize, true);
    ASSERT_EQ(open.size(), 74u);
    // Full width on the 65th tick, one step past the height on the 72nd.
    EXPECT_EQ((std::vector{open[64].width, open[65].width, open[72].height, open[73].width,
                           open[73].height}),
              (std::vector{2570, narrowWidth, 1450, 2610, 1440}));
    const SizeStep jump = run(openStep, seedSize, seedSize, false).at(1);
    EXPECT_EQ((std::vector{jump.width, jump.height, int(jump.done)}), (std::vector{2610, 1440, 1}));
    // A widened panel narrows while it shrinks: 72 ticks of 20 twips, then the unload.
    const std::vector<SizeStep> close = run(closeStep, wideWidth, openHeight, true);
    ASSERT_EQ(close.size(), 74u);
    EXPECT_EQ((std::vector{close[64].width, close[65].width, close[66].width, close[67].width,
                           close[68].width, close[73].height, closeStep(2610, 15, true).height}),
              (std::vector{2660, 2620, 2580, 2610, 2610, 0, 0}));
    EXPECT_EQ(run(closeStep, wideWidth, openHeight, false).size(), 2u);
}

TEST(PanelMotion, TheArrowSlidesTheWidthAndTheCornerImagesAlong) {
    // step, from, animated; then ticks, width, and where the corner images end
    // when placed as the panel does, from 0.
    // clang-format off
    const std::tuple<WidthStep (*)(int, bool), int, bool, std::vector<int>> cases[] = {
        {widenStep, narrowWidth, true, {132, wideWidth, 2620}},
        {narrowStep, wideWidth, true, {132, narrowWidth, -2620}},
        {narrowStep, narrowWidth + 200, true, {11, narrowWidth, -200}}, // a widening turned back
        {widenStep, narrowWidth, false, {1, wideWidth, wideImagesLeft}},
        {narrowStep, wideWidth, false, {1, narrowWidth, narrowImagesLeft}},
    };
    // clang-format on
    for (const auto& [step, from, animated, want] : cases) {
        WidthStep s{from, 0, -1, false};
        int ticks = 0;
        int left = 0;
        for (; !s.done && ticks < 1000; ++ticks) {
            s = step(s.width, animated);
            left = s.imagesLeft >= 0 ? s.imagesLeft : left + s.imagesShift;
        }
        EXPECT_EQ((std::vector{ticks, s.width, left}), want) << from;
    }
    // The lowest third of the bar's monitor, taken in fractions: 10000 - 3333.3
    // lies below 6667.
    const TwipsRect screen{0, 0, 1, 9000}, lower{0, 1000, 1, 10000};
    EXPECT_EQ((std::vector{arrowWidens(narrowWidth), arrowWidens(narrowWidth + 20),
                           panelGoesAbove(6000, screen), panelGoesAbove(6001, screen),
                           panelGoesAbove(7666, lower), panelGoesAbove(7667, lower)}),
              (std::vector{true, false, false, true, false, true}));
}

TEST(PanelTexts, TheButtonsCutTheTitleIntoGroupAndTeam) {
    using namespace PanelTexts;
    EXPECT_EQ((std::vector{groupSelector("Trinidad and tobago (group b)"), groupSelector("Togo"),
                           teamNameOf("Serbia and montenegro (group c)"), teamNameOf("A (b) (c)"),
                           teamNameOf("Germany(group a)"), teamNameOf(" (group a)")}),
              (std::vector<std::string>{"(group b)", "Togo", "Serbia and montenegro", "A",
                                        "Germany(group a)", ""}));
}

TEST(News, ADisplayNameOpensItsTeamsPageAnythingElseTheIndex) {
    const std::pair<const char*, const char*> cases[] = {
        {"Cote d'ivoire", "team/civ"}, {"USA", "team/usa"}, {"Usa", "index"}, {"", "index"}};
    for (const auto& [team, page] : cases) {
        EXPECT_EQ(News::newsPagePath(team), std::string("/06/en/w/news/") + page + ".html") << team;
    }
    EXPECT_EQ(News::newsPageAddress("http://news.example/", "Usa"),
              "http://news.example/06/en/w/news/index.html");
}
