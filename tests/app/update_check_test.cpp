#include "app/form3.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "reminders/form8.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const std::string siteSchedulePath = std::string(BuildConfig::siteUrl) + "/GroupMatchs.xml";
const std::string mirrorSchedulePath = std::string(BuildConfig::mirrorUrl) + "/GroupMatchs.xml";
const std::string notFoundPage =
    "<html><body><p>The requested URL was not found on this server.</p></body></html>";

std::string scheduleWithUpdate(const std::string& url) {
    return "<?xml version=\"1.0\"?>\r\n<!-- [Update] " + url +
           " [Update] -->\r\n<!-- [FSize] 2000 [FSize] -->\r\n" +
           scheduleText({{"grpA1", "Germany", "Costa rica", "09/06/2006", "18:00", "Munich"}});
}

bool barShown(TestProgram& test) {
    return test.program.loadedForm1() != nullptr && test.program.loadedForm1()->isVisible();
}

} // namespace

// Whatever the site and the mirror answer, the bar comes up with what was read.
TEST(ScheduleFetch, TakesTheSiteOrAfterAnErrorPageTheMirror) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> answers;
        std::vector<std::string> requested;
        std::string schedule;
    };
    const std::string site = siteSchedule();
    // An error page that happens to carry a marker must not offer anything.
    const std::string markedErrorPage =
        notFoundPage + scheduleWithUpdate("http://example.org/KC06Update06.zip");
    const std::vector<std::string> both{siteSchedulePath, mirrorSchedulePath};
    const Case cases[] = {
        {"site", {{siteSchedulePath, site}}, {siteSchedulePath}, site}, // names release 05
        {"error page", {{siteSchedulePath, notFoundPage}, {mirrorSchedulePath, site}}, both, site},
        {"unreachable site", {{mirrorSchedulePath, site}}, {siteSchedulePath}, ""},
        {"failing mirror", {{siteSchedulePath, markedErrorPage}}, both, markedErrorPage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram test;
        test.http.textAnswers = c.answers;
        test.program.start();
        EXPECT_EQ(test.http.requested, c.requested);
        EXPECT_EQ(test.program.loadedForm3()->RichTextBox1, c.schedule);
        EXPECT_EQ(test.program.groupTables().slot('A', 1).DATE.empty(), c.schedule.empty());
        EXPECT_TRUE(test.messageBox.shown.empty());
        EXPECT_FALSE(test.program.loadedForm3()->isVisible());
        EXPECT_TRUE(barShown(test));
        EXPECT_FALSE(test.program.ended());
    }
}

// Declined, the load goes on to the bar; accepted, it ends before it with
// the download pending.
TEST(UpdateCheck, ANewerReleaseIsOfferedAndTheAnswerDecidesTheLoad) {
    for (const bool accepted : {false, true}) {
        TestProgram test;
        test.http.textAnswers[siteSchedulePath] =
            scheduleWithUpdate("http://example.org/KC06Update10.zip");
        test.messageBox.answers = {accepted ? MessageBox::Answer::Yes : MessageBox::Answer::No};
        test.program.start();
        ASSERT_EQ(test.messageBox.shown.size(), 1U);
        EXPECT_EQ(test.messageBox.shown[0].text,
                  "There is an update available, it is recommended you download it. Would you "
                  "like to download it?");
        EXPECT_EQ(test.messageBox.shown[0].title, "There is an update available!");
        EXPECT_EQ(test.messageBox.shown[0].buttons, MessageBox::Buttons::YesNo);
        Form3& controller = *test.program.loadedForm3();
        EXPECT_EQ(controller.URL, "http://example.org/KC06Update10.zip");
        EXPECT_EQ(controller.DownloaderTimer.isActive(), accepted);
        EXPECT_EQ(test.program.loadedForm8() != nullptr, accepted);
        if (accepted && test.program.loadedForm8()) {
            EXPECT_FALSE(test.program.loadedForm8()->isVisible());
            EXPECT_FALSE(test.program.loadedForm8()->CountTimer.isActive());
        }
        EXPECT_EQ(test.program.loadedForm1() != nullptr, !accepted);
        EXPECT_EQ(barShown(test), !accepted);
        EXPECT_EQ(test.program.groupTables().slot('A', 1).DATE.empty(), accepted);
        EXPECT_FALSE(test.program.ended());
    }
}
