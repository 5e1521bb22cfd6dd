#include "countdown/focus_fade.h"
#include "countdown/slide_steps.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Opener, GrowsFromTheSpeckAndSettlesOnThe71stTick) {
    SizeStep step{10, 10, false};
    for (int tick = 1; tick <= 69; ++tick) {
        step = openerStep(step.width, step.height);
        ASSERT_FALSE(step.stop) << tick;
        if (tick == 22) {
            EXPECT_EQ(step.height, 450);
        }
    }
    EXPECT_EQ(step.width, 2770);
    EXPECT_EQ(step.height, 450);
    step = openerStep(step.width, step.height);
    EXPECT_EQ(step.width, 2810) << "70th tick overshoots";
    EXPECT_FALSE(step.stop);
    step = openerStep(step.width, step.height);
    EXPECT_EQ(step.width, 2790);
    EXPECT_EQ(step.height, 450);
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

} // namespace

TEST(SuggestStrip, ThirteenStepsThenTheLimit) {
    const std::vector<int> opening = run(suggestOpenStep, 450, true);
    ASSERT_EQ(opening.size(), 14u);
    EXPECT_EQ(opening[0], 470);
    EXPECT_EQ(opening[12], 710);
    EXPECT_EQ(opening[13], 705);

    const std::vector<int> closing = run(suggestCloseStep, 705, true);
    ASSERT_EQ(closing.size(), 14u);
    EXPECT_EQ(closing[12], 445);
    EXPECT_EQ(closing[13], 450);

    EXPECT_EQ(run(suggestCloseStep, 450, true), std::vector<int>{450}) << "already shut";
    EXPECT_EQ(run(suggestOpenStep, 450, false), std::vector<int>{705});
    EXPECT_EQ(run(suggestCloseStep, 705, false), std::vector<int>{450});
    // A slide reversed half-way carries on from where it is.
    EXPECT_EQ(run(suggestCloseStep, 590, true).size(), 8u);
}

TEST(SettingsStrip, NinetyThreeStepsEachWay) {
    const std::vector<int> opening = run(settingsOpenStep, 2790, true);
    ASSERT_EQ(opening.size(), 94u);
    EXPECT_EQ(opening[92], 5580);
    EXPECT_EQ(opening[93], 5580);

    const std::vector<int> closing = run(settingsCloseStep, 5580, true);
    ASSERT_EQ(closing.size(), 94u);
    EXPECT_EQ(closing[92], 2790);
    EXPECT_EQ(closing[93], 2790);

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
    ASSERT_EQ(out.size(), 15u);
    EXPECT_EQ(out[0], 255);
    EXPECT_EQ(out[1], 245);
    EXPECT_EQ(out[13], 125);
    EXPECT_EQ(out[14], 120);

    const std::vector<int> in = fade(120, FadeDirection::Up);
    ASSERT_EQ(in.size(), 15u);
    EXPECT_EQ(in[0], 120);
    EXPECT_EQ(in[13], 250);
    EXPECT_EQ(in[14], 255);
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
