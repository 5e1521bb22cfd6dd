#include "about/about_movie.h"
#include "about/form7.h"
#include "app/form3.h"
#include "app/tray_menu.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "team/form2.h"
#include "update/form6.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string movieUrl = std::string(BuildConfig::siteUrl) + "/images/flash/about.swf";

struct TrayTest : ::testing::Test {
    void SetUp() override { test.program.start(); }
    Form3& controller() { return *test.program.loadedForm3(); }
    TrayMenu& menu() { return *controller().mnuPopup; }
    TestProgram test;
};

} // namespace

TEST_F(TrayTest, TheIconIsTheControllersWithItsTip) {
    ASSERT_TRUE(test.trayIcon.shown);
    const NotifyIconData& record = *test.trayIcon.shown;
    EXPECT_EQ(
        std::tuple(record.cbSize, record.hWnd, record.uID, record.uFlags, record.uCallbackMessage),
        std::tuple(88U, &controller(), 1U, 7U, 0x200U));
    EXPECT_FALSE(record.hIcon.isNull());
    EXPECT_EQ(std::string(record.szTip.data()), "Kickoff Clock");
    QStringList captions;
    for (QAction* item : menu().actions() + menu().extra->actions()) {
        captions << item->text();
    }
    EXPECT_EQ(captions.join('|'), "Show/Hide|About|Extra|Exit|Visit Our Website|E-Mail");
}

// Show/Hide twice: everything hides, then only the bar comes back.
TEST_F(TrayTest, DoubleClicksHideAllThenRestoreOnlyTheBar) {
    Form1& bar = *test.program.loadedForm1();
    Form2& panel = test.program.form2();
    panel.show();
    test.http.byteAnswers[movieUrl] = "<html>Not found</html>"; // no movie: the built-in one
    test.program.form7().show();
    EXPECT_TRUE(test.program.loadedForm7()->ShockwaveFlash1->movie().contains("Version 1.5.1"));
    test.trayIcon.click(0x204);
    EXPECT_TRUE(menu().isVisible());
    menu().hide();
    test.trayIcon.click(0x201); // nothing: the next double click hides

    test.trayIcon.click(0x203);
    EXPECT_TRUE(bar.isMinimized());
    EXPECT_FALSE(bar.isVisible() || panel.isVisible() || test.program.loadedForm7()->isVisible());
    EXPECT_FALSE(test.program.loadedForm7()->ShockwaveFlash1->playing());
    test.trayIcon.click(0x203);
    EXPECT_TRUE(bar.isVisible() && !bar.isMinimized() && !panel.isVisible());
}

TEST_F(TrayTest, ExtraOpensSiteAndMailAndExitKeepsTheRemindersButNotTheSettings) {
    menu().website->trigger();
    menu().email->trigger();
    EXPECT_EQ(test.shell.opened,
              (std::vector<std::string>{std::string(BuildConfig::siteUrl) + "/",
                                        std::string("mailto:") + BuildConfig::mail}));
    controller().remindersLoaded = true;
    controller().Reminders = ";10/06/2006|21:00|England|Paraguay|B\r\n";
    menu().exitme->trigger();
    EXPECT_TRUE(!test.trayIcon.shown && test.program.ended());
    EXPECT_EQ(test.files.contents["/app/RemindMe.dsl"], controller().Reminders);
    EXPECT_FALSE(test.files.exists("/app/settings.dsl"));
}

TEST_F(TrayTest, AboutTwiceShowsOneWindowPlayingTheSitesMovie) {
    const std::string sitesMovie = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    test.http.byteAnswers[movieUrl] = sitesMovie;
    menu().aboutme->trigger();
    Form7& about = *test.program.loadedForm7();
    menu().aboutme->trigger();
    EXPECT_EQ(test.program.loadedForm7(), &about);
    EXPECT_EQ(std::count(test.http.requested.begin(), test.http.requested.end(), movieUrl), 1);
    EXPECT_TRUE(about.isVisible() && about.ShockwaveFlash1->playing());
    EXPECT_EQ(about.ShockwaveFlash1->movie().toStdString(), sitesMovie);
    about.CloseMe_Click();
    EXPECT_FALSE(about.isVisible() || about.ShockwaveFlash1->playing());
}

TEST(ConversionWindow, EveryClickAppendsTheListing) {
    TestProgram test;
    Form6& tool = test.program.form6();
    tool.Command1->click();
    tool.Command1->click();
    const QString text = tool.RichTextBox2->toPlainText();
    EXPECT_EQ(text.count('\n'), 84);
    EXPECT_EQ(text.count("m1\nA\nGermany\nCosta Rica\n"), 2);
}

TEST(TrayIcon, NoneWhenAnUpdateWasAccepted) {
    TestProgram test;
    test.http.textAnswers[std::string(BuildConfig::siteUrl) + "/GroupMatchs.xml"] =
        "<?xml?>\r\n<!-- [Update] http://example.org/KC06Update99.zip [Update] -->";
    test.messageBox.answers = {MessageBox::Answer::Yes};
    test.program.start();
    EXPECT_FALSE(test.trayIcon.shown);
}
