#include "about/about_movie.h"
#include "about/form7.h"
#include "app/form3.h"
#include "app/tray_menu.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "team/form2.h"
#include "update/form6.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstring>

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
    EXPECT_EQ(record.cbSize, 88U);
    EXPECT_EQ(record.hWnd, &controller());
    EXPECT_EQ(record.uID, 1U);
    EXPECT_EQ(record.uFlags, 7U);
    EXPECT_EQ(record.uCallbackMessage, 0x200U);
    EXPECT_FALSE(record.hIcon.isNull());
    EXPECT_EQ(std::memcmp(record.szTip.data(), "Kickoff Clock", 14), 0);
    const QList<QAction*> items = menu().actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text() + items[1]->text() + items[2]->text() + items[3]->text(),
              "Show/HideAboutExtraExit");
    EXPECT_EQ(menu().extra->actions()[0]->text() + "|" + menu().extra->actions()[1]->text(),
              "Visit Our Website|E-Mail");
}

// Show/Hide twice: everything hides, then only the bar comes back.
TEST_F(TrayTest, DoubleClicksHideAllThenRestoreOnlyTheBar) {
    Form1& bar = *test.program.loadedForm1();
    Form2& panel = test.program.form2();
    panel.show();
    test.program.form7().show();
    test.trayIcon.click(0x204);
    EXPECT_TRUE(menu().isVisible());
    menu().hide();
    test.trayIcon.click(0x201);
    EXPECT_TRUE(bar.isVisible());

    test.trayIcon.click(0x203);
    EXPECT_TRUE(bar.isMinimized());
    EXPECT_FALSE(bar.isVisible() || panel.isVisible() || test.program.loadedForm7()->isVisible());
    EXPECT_FALSE(test.program.loadedForm7()->ShockwaveFlash1->playing());
    test.trayIcon.click(0x203);
    EXPECT_TRUE(bar.isVisible());
    EXPECT_FALSE(bar.isMinimized());
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(TrayTest, ExitRemovesTheIconAndKeepsTheRemindersButNotTheSettings) {
    controller().remindersLoaded = true;
    controller().Reminders = ";10/06/2006|21:00|England|Paraguay|B\r\n";
    menu().exitme->trigger();
    EXPECT_FALSE(test.trayIcon.shown);
    EXPECT_TRUE(test.program.ended());
    EXPECT_EQ(test.files.contents["/app/RemindMe.dsl"], controller().Reminders);
    EXPECT_FALSE(test.files.exists("/app/settings.dsl"));
}

TEST_F(TrayTest, TheExtraItemsOpenTheSiteAndTheMailLink) {
    menu().website->trigger();
    menu().email->trigger();
    EXPECT_EQ(test.shell.opened,
              (std::vector<std::string>{std::string(BuildConfig::siteUrl) + "/",
                                        std::string("mailto:") + BuildConfig::mail}));
}

TEST_F(TrayTest, AboutTwiceShowsOneWindowPlayingTheSitesMovie) {
    const std::string sitesMovie =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>";
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

TEST(AboutWindow, AnAnswerThatIsNoMovieLeavesTheBuiltInOne) {
    TestProgram test;
    test.http.byteAnswers[movieUrl] = "<html>Not found</html>";
    const QByteArray& movie = test.program.form7().ShockwaveFlash1->movie();
    EXPECT_TRUE(movie.contains("Version 1.5.1"));
}

TEST(ConversionWindow, EveryClickAppendsTheListing) {
    TestProgram test;
    Form6& tool = test.program.form6();
    tool.Command1->click();
    tool.Command1->click();
    const QStringList lines = tool.RichTextBox2->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 85); // two listings and the last line's end
    EXPECT_EQ(lines[42] + lines[45], "m1Costa Rica");
}

TEST(TrayIcon, NoneWhenAnUpdateWasAccepted) {
    TestProgram test;
    test.http.textAnswers[std::string(BuildConfig::siteUrl) + "/GroupMatchs.xml"] =
        "<?xml?>\r\n<!-- [Update] http://example.org/KC06Update99.zip [Update] -->";
    test.messageBox.answers = {MessageBox::Answer::Yes};
    test.program.start();
    EXPECT_EQ(test.trayIcon.adds, 0);
}
