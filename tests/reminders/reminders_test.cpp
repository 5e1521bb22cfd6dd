#include "app/form3.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "reminders/form8.h"
#include "schedule/schedule_samples.h"
#include "team/form2.h"
#include "widgets/caption_label.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const std::string storePath = "/app/RemindMe.dsl";
const std::string germany = ";09/06/2006|18:00|Costa rica|Germany|a\r\n";
constexpr CivilDate matchDay{2006, 6, 9};

// A program started at `now` with the site's schedule and, when given, a store.
struct ReminderRun {
    explicit ReminderRun(LocalDateTime now, std::optional<std::string> store = std::nullopt) {
        test.clock.set(now);
        test.files.contents["/app/desktop.ini"] = "";
        if (store) {
            test.files.contents[storePath] = *store;
        }
        test.http.textAnswers[std::string(BuildConfig::siteUrl) + "/GroupMatchs.xml"] =
            siteSchedule();
    }
    Form3& start() {
        test.program.start();
        return *test.program.loadedForm3();
    }
    // The team's panel finds its next match and its reminder button is clicked.
    void remindFrom(const char* team) {
        test.program.form1().Form2Vis = 1;
        Form2& panel = test.program.form2();
        panel.TeamName->setCaption(team);
        panel.ParseMatchs_Timer();
        panel.MatchReminder_Click();
        test.program.unloadForm2();
    }
    TestProgram test;
};

} // namespace

TEST(Reminders, AMatchIsAddedOncePerPanelAndWrittenAtClose) {
    ReminderRun run({{2006, 6, 1}, 12, 0, 0});
    Form3& controller = run.start();
    run.remindFrom("germany");
    EXPECT_EQ(controller.Reminders, germany);
    EXPECT_EQ(controller.CheckMatchs.interval(), 600);

    run.remindFrom("germany");
    ASSERT_EQ(run.test.messageBox.shown.size(), 1u);
    EXPECT_EQ(run.test.messageBox.shown[0].text,
              "You already have a match alert setup for this match.");
    EXPECT_EQ(run.test.messageBox.shown[0].title, "Kickoff Timer");
    EXPECT_EQ(run.test.messageBox.shown[0].buttons, MessageBox::Buttons::Ok);
    EXPECT_EQ(controller.Reminders, germany);

    run.remindFrom("costa rica");
    EXPECT_EQ(controller.Reminders, germany + ";09/06/2006|18:00|Germany|Costa rica|a\r\n");
    EXPECT_FALSE(run.test.files.exists(storePath)) << "written only at the end";
    run.test.program.form1().CloseButton_Click();
    EXPECT_EQ(run.test.files.contents[storePath], controller.Reminders);
}

// What the user had is never lost: an unreadable store is not written over,
// and a second copy writes nothing.
TEST(Reminders, TheStoreIsWrittenOnlyWhenItWasReadOrMissing) {
    const struct {
        const char* name;
        std::optional<std::string> file;
        bool unreadable, secondCopy;
        std::optional<std::string> written;
    } cases[] = {
        {"missing", std::nullopt, false, false, ""},
        {"read", germany, false, false, germany},
        {"unreadable", std::nullopt, true, false, std::nullopt},
        {"second copy", germany, false, true, germany},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReminderRun run({{2006, 6, 1}, 12, 0, 0}, c.file);
        if (c.unreadable) {
            run.test.files.unreadable.insert(storePath);
        }
        run.test.instance.another = c.secondCopy;
        Form3& controller = run.start();
        EXPECT_EQ(controller.Reminders, c.unreadable ? "" : c.file.value_or(""));
        if (!c.secondCopy) {
            controller.Form_Unload(); // as the tray menu's Exit
        }
        const auto& files = run.test.files.contents;
        EXPECT_EQ(files.count(storePath) ? std::optional(files.at(storePath)) : std::nullopt,
                  c.written);
        EXPECT_EQ(run.test.files.writes, c.unreadable || c.secondCopy ? 0 : 1);
    }
}

TEST(Reminders, ADueReminderOpensTheAlertWhichCountsDownAndEndsTheCheck) {
    ReminderRun run({matchDay, 9, 30, 0}, ";garbled|\r\n" + germany + ";09/06/2006|17:0|a|b|c\r\n");
    Form3& controller = run.start();
    EXPECT_EQ(controller.CheckMatchs.interval(), 600);
    controller.CheckMatchs_Timer();
    Form8* alert = run.test.program.loadedForm8();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->Teams->caption(), "Costa rica vs Germany");
    EXPECT_EQ(alert->DateAndTime->caption(), "09/06/2006 18:00");
    EXPECT_FALSE(controller.CheckMatchs.isActive());
    EXPECT_TRUE(alert->CountTimer.isActive());

    alert->CountTimer_Timer();
    EXPECT_EQ(alert->Countdown->caption(), "Match starts in 510 minutes 0 seconds");
    run.test.clock.set({matchDay, 9, 30, 1});
    alert->CountTimer_Timer();
    EXPECT_EQ(alert->Countdown->caption(), "Match starts in 509 minutes 59 seconds");

    controller.RemindersChanged();
    EXPECT_FALSE(controller.CheckMatchs.isActive()) << "one alert per run";
}

TEST(Reminders, TheCheckShowsTheLastDueReminderOrSleeps) {
    const std::string poland = ";09/06/2006|21:00|Poland|Ecuador|a\r\n";
    const struct {
        LocalDateTime now;
        std::string store;
        std::optional<QString> teams, firstTick;
    } cases[] = {
        {{matchDay, 9, 30, 0},
         germany + poland,
         "Poland vs Ecuador",
         "Match starts in 690 minutes 0 seconds"},
        {{matchDay, 18, 40, 0}, germany, "Costa rica vs Germany", "Match has started at 18:00"},
        {{matchDay, 19, 5, 0}, germany, std::nullopt, std::nullopt},
        {{{2006, 6, 10}, 9, 30, 0}, germany, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        ReminderRun run(c.now, c.store);
        Form3& controller = run.start();
        controller.CheckMatchs_Timer();
        Form8* alert = run.test.program.loadedForm8();
        ASSERT_EQ(alert != nullptr, c.teams.has_value()) << c.now.hour;
        if (!alert) {
            EXPECT_EQ(controller.CheckMatchs.interval(), 60000) << "sleeps while nothing is due";
            continue;
        }
        EXPECT_EQ(alert->Teams->caption(), *c.teams);
        alert->CountTimer_Timer();
        EXPECT_EQ(alert->Countdown->caption(), *c.firstTick);
        EXPECT_EQ(alert->CountTimer.isActive(), c.now.hour < 18);
    }
}
