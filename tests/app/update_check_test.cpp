#include "app/form3.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "reminders/form8.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

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

TEST(ScheduleFetch, TheSiteScheduleFillsTheTablesWithOneRequest) {
    TestProgram test;
    test.http.textAnswers[siteSchedulePath] = siteSchedule();
    test.program.start();
    EXPECT_EQ(test.http.requested, std::vector<std::string>{siteSchedulePath});
    EXPECT_EQ(test.program.loadedForm3()->RichTextBox1, siteSchedule());
    EXPECT_EQ(test.program.groupTables().slot('H', 6).TEAM1, "Ukraine");
    // The site's own marker names release 05: nothing to offer.
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_TRUE(barShown(test));
}

TEST(ScheduleFetch, AnErrorPageSendsTheRequestToTheMirror) {
    TestProgram test;
    test.http.textAnswers[siteSchedulePath] = notFoundPage;
    test.http.textAnswers[mirrorSchedulePath] = siteSchedule();
    test.program.start();
    EXPECT_EQ(test.http.requested,
              (std::vector<std::string>{siteSchedulePath, mirrorSchedulePath}));
    EXPECT_EQ(test.program.loadedForm3()->RichTextBox1, siteSchedule());
    EXPECT_EQ(test.program.groupTables().slot('A', 1).TEAM1, "Germany");
    EXPECT_TRUE(barShown(test));
}

TEST(ScheduleFetch, AnEarlyOrCapitalisedFoundIsNoErrorPage) {
    for (const std::string answer : {"xfound<GROUPLIST>", "<h1>404 Not Found</h1>"}) {
        TestProgram test;
        test.http.textAnswers[siteSchedulePath] = answer;
        test.http.textAnswers[mirrorSchedulePath] = siteSchedule();
        test.program.start();
        EXPECT_EQ(test.http.requested.size(), 1U) << answer;
        EXPECT_EQ(test.program.loadedForm3()->RichTextBox1, answer);
        EXPECT_TRUE(barShown(test));
    }
}

TEST(ScheduleFetch, AnUnreachableSiteLeavesNoScheduleAndNoMirrorRequest) {
    TestProgram test;
    test.http.textAnswers[mirrorSchedulePath] = siteSchedule();
    test.program.start();
    EXPECT_EQ(test.http.requested.size(), 1U);
    EXPECT_TRUE(test.program.loadedForm3()->RichTextBox1.empty());
    EXPECT_TRUE(test.program.groupTables().slot('A', 1).DATE.empty());
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_TRUE(barShown(test));
}

TEST(ScheduleFetch, AFailingMirrorSkipsTheUpdateCheck) {
    TestProgram test;
    // An error page that happens to carry a marker must not offer anything.
    test.http.textAnswers[siteSchedulePath] =
        notFoundPage + scheduleWithUpdate("http://example.org/KC06Update06.zip");
    test.program.start();
    EXPECT_EQ(test.http.requested.size(), 2U);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_TRUE(barShown(test));
}

TEST(UpdateCheck, ANewerReleaseIsOfferedAndDeclined) {
    TestProgram test;
    test.http.textAnswers[siteSchedulePath] =
        scheduleWithUpdate("http://example.org/KC06Update06.zip");
    test.messageBox.answers = {MessageBox::Answer::No};
    test.program.start();
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text,
              "There is an update available, it is recommended you download it. Would you like "
              "to download it?");
    EXPECT_EQ(test.messageBox.shown[0].title, "There is an update available!");
    EXPECT_EQ(test.messageBox.shown[0].buttons, MessageBox::Buttons::YesNo);
    Form3& controller = *test.program.loadedForm3();
    EXPECT_EQ(controller.URL, "http://example.org/KC06Update06.zip");
    EXPECT_FALSE(controller.DownloaderTimer.isActive());
    EXPECT_EQ(test.program.loadedForm8(), nullptr);
    EXPECT_EQ(test.program.groupTables().slot('A', 1).TEAM1, "Germany");
    EXPECT_TRUE(barShown(test));
}

TEST(UpdateCheck, AnAcceptedOfferEndsTheLoadBeforeTheBar) {
    TestProgram test;
    test.http.textAnswers[siteSchedulePath] =
        scheduleWithUpdate("http://example.org/KC06Update10.zip");
    test.messageBox.answers = {MessageBox::Answer::Yes};
    test.program.start();
    Form3& controller = *test.program.loadedForm3();
    EXPECT_TRUE(controller.DownloaderTimer.isActive());
    EXPECT_EQ(controller.DownloaderTimer.interval(), 600);
    ASSERT_NE(test.program.loadedForm8(), nullptr);
    EXPECT_FALSE(test.program.loadedForm8()->isVisible());
    EXPECT_FALSE(test.program.loadedForm8()->CountTimer.isActive());
    EXPECT_EQ(test.program.loadedForm1(), nullptr);
    EXPECT_TRUE(test.program.groupTables().slot('A', 1).DATE.empty());
    EXPECT_FALSE(test.program.ended());
}

TEST(UpdateCheck, NoOfferForAnOldReleaseABrokenMarkerOrAForeignScheme) {

    for (const std::string& answer :
         {scheduleWithUpdate("http://example.org/KC06Update05.zip"),
          scheduleWithUpdate("http://example.org/KC06Update04.zip"),
          scheduleWithUpdate("http://example.org/KC06Updateab.zip"),
          scheduleWithUpdate("file:///etc/KC06Update06.zip"),
          std::string("<?xml version=\"1.0\"?>\r\n<!-- [Update] http://example.org/U06.zip -->"),
          std::string("<!-- [Update] http://example.org/U06.zip [Update] -->")}) {
        TestProgram test;
        test.http.textAnswers[siteSchedulePath] = answer;
        test.messageBox.answers = {MessageBox::Answer::Yes};
        test.program.start();
        EXPECT_TRUE(test.messageBox.shown.empty()) << answer;
        EXPECT_FALSE(test.program.loadedForm3()->DownloaderTimer.isActive());
        EXPECT_TRUE(barShown(test));
    }
}
