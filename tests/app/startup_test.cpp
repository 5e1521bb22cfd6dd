#include "app/form3.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

TEST(Startup, WithNoScheduleShowsTheBarWithEmptyTables) {
    TestProgram test;
    test.program.start();
    ASSERT_NE(test.program.loadedForm3(), nullptr);
    EXPECT_FALSE(test.program.loadedForm3()->isVisible());
    EXPECT_TRUE(test.program.loadedForm3()->RichTextBox1.empty());
    ASSERT_NE(test.program.loadedForm1(), nullptr);
    EXPECT_TRUE(test.program.loadedForm1()->isVisible());
    EXPECT_FALSE(test.program.ended());
    EXPECT_TRUE(test.program.groupTables().slot('A', 1).DATE.empty());
}
