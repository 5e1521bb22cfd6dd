#include "countdown/focus_fade.h"
#include "countdown/slide_steps.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Opener, GrowsFromTheSpeckAndSettlesOnThe71stTick) {
    SizeStep step{10, 10, false};
    for (int tick = 1; tick <= 69; ++tick) {
        step = openerStep(step.width, step.height);
        ASSERT_FALSE(step.stop) << tick;
        ASSERT_TRUE(tick != 22 || step.height == 450);
    }
    EXPECT_EQ((std::vector<int>{step.width, step.height}), (std::vector<int>{2770, 450}));
    step = openerStep(step.width, step.height);
    EXPECT_EQ(step.width, 2810) << "70th tick overshoots";
    EXPECT_FALSE(step.stop);
    step = openerStep(step.width, step.height);
    EXPECT_EQ((std::vector<int>{step.width, step.height}), (std::vector<int>{2790, 450}));
    EXPECT_TRUE(step.stop);
}

namespace {

// Ticks a slide until it stops; returns the values it passed through.
template <typename Step> std::vector<int> run(Step step, int from, bool animated) {
    std::vector<int> values;
    for (SlideStep s{from, false}; !s.stop && values.size() < 1000;) {
        s = step(s.value, animated);
        values.push_back(s.value);
    }
    return values;
}

// The last two values a run passed through, and how many there were.
std::vector<int> ends(const std::vector<int>& values) {
    const std::size_t n = values.size();
    return {values[n - 2], values[n - 1], static_cast<int>(n)};
}

} // namespace

TEST(Slides, SuggestionsInThirteenStepsSettingsInNinetyThree) {
    EXPECT_EQ(run(suggestOpenStep, 450, true)[0], 470);
    EXPECT_EQ(ends(run(suggestOpenStep, 450, true)), (std::vector<int>{710, 705, 14}));
    EXPECT_EQ(ends(run(suggestCloseStep, 705, true)), (std::vector<int>{445, 450, 14}));
    EXPECT_EQ(ends(run(settingsOpenStep, 2790, true)), (std::vector<int>{5580, 5580, 94}));
    EXPECT_EQ(ends(run(settingsCloseStep, 5580, true)), (std::vector<int>{2790, 2790, 94}));

    EXPECT_EQ(run(suggestCloseStep, 450, true), std::vector<int>{450}) << "already shut";
    EXPECT_EQ(run(suggestCloseStep, 590, true).size(), 8u) << "reversed half-way";
    EXPECT_EQ(run(suggestOpenStep, 450, false), std::vector<int>{705});
    EXPECT_EQ(run(suggestCloseStep, 705, false), std::vector<int>{450});
    EXPECT_EQ(run(settingsOpenStep, 2790, false), std::vector<int>{5580});
    EXPECT_EQ(run(settingsCloseStep, 5000, false), std::vector<int>{2790});
}

namespace {

std::vector<int> fade(int level, FadeDirection direction) {
    std::vector<int> applied;
    for (bool stop = false; !stop && applied.size() < 100;) {
        const FadeTick tick = fadeStep(level, direction);
        applied.push_back(tick.applied);
        level = tick.level;
        stop = tick.stop;
    }
    EXPECT_EQ(level, applied.back());
    return applied;
}

} // namespace

TEST(Fade, FifteenStepsBothWays) {
    const std::vector<int> out = fade(255, FadeDirection::Down);
    EXPECT_EQ((std::vector<int>{out[0], out[1]}), (std::vector<int>{255, 245}));
    EXPECT_EQ(ends(out), (std::vector<int>{125, 120, 15}));
    const std::vector<int> in = fade(120, FadeDirection::Up);
    EXPECT_EQ(in[0], 120);
    EXPECT_EQ(ends(in), (std::vector<int>{250, 255, 15}));
}

TEST(Fade, StartsOnlyAtRestAndWithAnimation) {
    EXPECT_EQ(fadeToStart(true, 255, false), FadeDirection::Down);
    EXPECT_EQ(fadeToStart(true, 120, true), FadeDirection::Up);
    EXPECT_EQ(fadeToStart(true, 255, true), FadeDirection::None);
    EXPECT_EQ(fadeToStart(true, 120, false), FadeDirection::None);
    EXPECT_EQ(fadeToStart(true, 245, false), FadeDirection::None) << "mid-fade";
    EXPECT_EQ(fadeToStart(true, 130, true), FadeDirection::None) << "mid-fade";
    EXPECT_EQ(fadeToStart(false, 255, false), FadeDirection::None);
    EXPECT_EQ(fadeToStart(false, 120, true), FadeDirection::None) << "a faded bar stays faded";
}
