#include "countdown/day_counter.h"
#include "countdown/edge_keeping.h"
#include "countdown/focus_fade.h"
#include "countdown/slide_steps.h"
#include "countdown/suggestions.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

TEST(DayCounter, CountsDaysUntilTheDayBeforeTheOpeningThenAnnouncesTheMatch) {
    const DayCounterText farOff = dayCounter({2006, 2, 9});
    EXPECT_EQ(farOff.caption, "120 Days left until 09/06/06");
    EXPECT_EQ(farOff.tooltip, "There are 120 days left until the start of the 2006 World Cup.");
    const DayCounterText eve = dayCounter({2006, 6, 8});
    EXPECT_EQ((std::vector{dayCounter({2006, 6, 7}).caption, eve.caption, eve.tooltip}),
              (std::vector<std::string>{"2 Days left until 09/06/06", "The next match is...",
                                        "The next match is..."}));
}

namespace {

// A 1024 by 768 screen.
constexpr int screenWidth = 15360;
constexpr int rightmost = screenWidth - 2790;

// A bar with its panel open beneath it, narrower than the bar.
EdgeInput barAt(int left, int top, int height, bool animated) {
    return {{left, top, 2790, height},
            true,
            {left, top + height, 2610, 1440},
            {0, 0, screenWidth, 11520},
            animated};
}

} // namespace

TEST(EdgeKeeping, EachEdgeNudgesTheBarBackOrPutsItAtTheLimit) {
    // left, top, height, animated; then the left and top it is given, and how
    // often the panel is put back beside it. Below the bar one bar height stays
    // free, counting the open strip (705).
    // clang-format off
    const std::array<int, 7> cases[] = {
        {5000, 3000, 450, 1, 5000, 3000, 0}, {5000, 0, 450, 1, 5000, 20, 1},
        {5000, 0, 450, 0, 5000, 1, 1},       {5000, 1, 450, 1, 5000, 21, 1},
        {5000, 2, 450, 1, 5000, 2, 0},       {-300, 100, 450, 1, -280, 100, 1},
        {-300, 100, 450, 0, 1, 100, 1},      {1, 100, 450, 1, 21, 100, 1},
        {rightmost, 100, 450, 1, rightmost, 100, 0},
        {rightmost + 1, 100, 450, 1, rightmost - 19, 100, 1},
        {rightmost + 1, 100, 450, 0, rightmost, 100, 1},
        {5000, 10620, 450, 1, 5000, 10600, 1}, {5000, 10619, 450, 1, 5000, 10619, 0},
        {5000, 11000, 450, 0, 5000, 10620, 1}, {5000, 10619, 705, 0, 5000, 10110, 1},
    };
    // clang-format on
    for (const auto& [left, top, height, animated, wantLeft, wantTop, moveMe] : cases) {
        const EdgeInput input = barAt(left, top, height, animated);
        const EdgeResult result = keepInsideScreen(input);
        EXPECT_EQ(result.bar, (TwipsRect{wantLeft, wantTop, 2790, height})) << left << ',' << top;
        EXPECT_EQ(result.moveMeCalls, moveMe) << left << ',' << top;
        EXPECT_FALSE(result.panelLeft);
        EXPECT_EQ(result.changesAnything(input), moveMe > 0);
    }
    // A second monitor right of and below the first keeps the bar by its own edges.
    EdgeInput second = barAt(screenWidth + 100, 3000, 450, false);
    second.screen =
        monitorOf(second.bar, {{0, 0, screenWidth, 11520}, {screenWidth, 3000, 9000, 9000}});
    EXPECT_EQ(keepInsideScreen(second).bar, (TwipsRect{screenWidth + 100, 3001, 2790, 450}));
    // Centred on no monitor (its own went away), the bar goes to the nearest one.
    EXPECT_EQ(monitorOf({-9000, 20000, 2790, 450}, {{0, 0, 10, 10}, {-100, 19000, 10, 10}}),
              (TwipsRect{-100, 19000, 10, 10}));
}

TEST(EdgeKeeping, APanelPastTheRightEdgePullsTheBarAlong) {
    EdgeInput input = barAt(screenWidth - 2000, 0, 450, true);
    input.panel.width = 2000; // just inside
    EXPECT_FALSE(keepInsideScreen(input).panelLeft);
    input.panel.width = 2610;
    const EdgeResult crept = keepInsideScreen(input); // pulled with the panel, then by itself
    EXPECT_EQ(crept.bar, (TwipsRect{screenWidth - 2040, 20, 2790, 450}));
    input.animated = false;
    const EdgeResult jumped = keepInsideScreen(input);
    input.panelOpen = false;
    EXPECT_EQ((std::vector{*crept.panelLeft, crept.moveMeCalls, *jumped.panelLeft, jumped.bar.left,
                           keepInsideScreen(input).moveMeCalls}),
              (std::vector{screenWidth - 2020, 2, screenWidth - 2610, rightmost, 0}));
    EXPECT_FALSE(keepInsideScreen(input).panelLeft);
}

TEST(SuggestionTable, KeysActAsTheTableSays) {
    using enum Suggestions::Action;
    const std::tuple<const char*, Suggestions::Action, const char*> cases[] = {
        {"A", Suggest, "Angola"}, {"an", Complete, "Angola"}, {"b", PlainComplete, "Brazil"}};
    for (const auto& [text, action, name] : cases) {
        const auto row = Suggestions::lookup(text);
        ASSERT_TRUE(row) << text;
        EXPECT_EQ(std::tuple(row->action, row->name), std::tuple(action, name)) << text;
    }
    for (const char* none : {"se", " a", "a ", "", "x", "angola", "serbia"}) {
        EXPECT_FALSE(Suggestions::lookup(none)) << '"' << none << '"';
    }
    // A completed name is no key, so the change it causes offers nothing.
    for (const Suggestions::Row& row : Suggestions::table()) {
        EXPECT_FALSE(Suggestions::lookup(row.name)) << row.name;
        EXPECT_EQ(Suggestions::lookup(row.key)->name, row.name) << "keys are distinct";
    }
}

TEST(Opener, GrowsFromTheSpeckAndSettlesOnThe71stTick) {
    std::vector<SizeStep> steps{{10, 10, false}};
    while (!steps.back().done && steps.size() < 1000) {
        steps.push_back(openerStep(steps.back().width, steps.back().height));
    }
    ASSERT_EQ(steps.size(), 72u);
    // Full height on tick 22; tick 70 overshoots the width.
    EXPECT_EQ((std::vector{steps[22].height, steps[69].width, steps[69].height, steps[70].width,
                           steps[71].width, steps[71].height}),
              (std::vector{450, 2770, 450, 2810, 2790, 450}));
}

TEST(Slides, TheStripsSlideByTheirStepOrJump) {
    const auto O = suggestOpenStep, C = suggestCloseStep;
    const auto SO = settingsOpenStep, SC = settingsCloseStep;
    // step, from, animated; then the first and last two values passed, and how many.
    // clang-format off
    const std::tuple<SlideStep (*)(int, bool), int, bool, std::vector<int>> cases[] = {
        {O, 450, true, {470, 710, 705, 14}},     {C, 705, true, {685, 445, 450, 14}},
        {C, 590, true, {570, 450, 450, 8}},      {C, 450, true, {450, 450, 450, 1}},
        {O, 450, false, {705, 705, 705, 1}},     {C, 705, false, {450, 450, 450, 1}},
        {SO, 2790, true, {2820, 5580, 5580, 94}}, {SC, 5580, true, {5550, 2790, 2790, 94}},
    };
    // clang-format on
    for (const auto& [step, from, animated, want] : cases) {
        std::vector<int> values;
        for (SlideStep s{from, false}; !s.done && values.size() < 1000;) {
            s = step(s.value, animated);
            values.push_back(s.value);
        }
        const std::size_t n = values.size();
        EXPECT_EQ((std::vector{values[0], values[n < 2 ? 0 : n - 2], values[n - 1], int(n)}), want)
            << from << ' ' << animated;
    }
}

TEST(Fade, FifteenStepsBothWaysAndStartsOnlyAtRestWithAnimation) {
    for (int level : {opaqueLevel, fadedLevel}) {
        const bool down = level == opaqueLevel;
        std::vector<int> applied;
        for (bool stop = false; !stop && applied.size() < 100;) {
            const FadeTick tick = fadeStep(level, down ? FadeDirection::Down : FadeDirection::Up);
            applied.push_back(tick.applied);
            level = tick.level;
            stop = tick.stop;
        }
        EXPECT_EQ((std::vector{applied[0], applied[1], applied[13], applied.back(), level,
                               int(applied.size())}),
                  (down ? std::vector{255, 245, 125, 120, 120, 15}
                        : std::vector{120, 130, 250, 255, 255, 15}));
    }
    using enum FadeDirection;
    // Mid-fade levels, and a faded bar without animation, start nothing.
    EXPECT_EQ((std::vector{fadeToStart(true, 255, false), fadeToStart(true, 120, true),
                           fadeToStart(true, 255, true), fadeToStart(true, 120, false),
                           fadeToStart(true, 245, false), fadeToStart(true, 130, true),
                           fadeToStart(false, 255, false), fadeToStart(false, 120, true)}),
              (std::vector{Down, Up, None, None, None, None, None, None}));
}
