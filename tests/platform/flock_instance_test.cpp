#include "platform/flock_instance.h"

#include <gtest/gtest.h>

#include <memory>

TEST(FlockInstance, TheFirstCopyHoldsTheLockUntilItEnds) {
    const std::string executable =
        "/tmp/kc-test/" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
        "/kickoff-clock";
    auto first = std::make_unique<FlockInstance>(executable);
    EXPECT_FALSE(first->anotherRunning());
    FlockInstance second(executable);
    EXPECT_TRUE(second.anotherRunning());
    EXPECT_TRUE(second.anotherRunning()); // asked once, answered the same all run

    FlockInstance elsewhere(executable + "-copy");
    EXPECT_FALSE(elsewhere.anotherRunning());

    first.reset();
    FlockInstance third(executable);
    EXPECT_FALSE(third.anotherRunning());
}
