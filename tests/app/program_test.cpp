#include "about/about_movie.h"
#include "about/form7.h"
#include "app/form3.h"
#include "app/tray_menu.h"
#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "reminders/form8.h"
#include "reminders/reminder_store_ui.h"
#include "schedule/schedule_samples.h"
#include "update/form6.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const std::string site(BuildConfig::siteUrl);
const std::string schedule = site + "/GroupMatchs.xml";
const std::string notFound = "<p>The requested URL was not found on this server.</p>";
const std::string reminders = ";10/06/2006|21:00|England|Paraguay|b\r\n";
} // namespace

// Only an error page sends the start-up to the mirror, and only a schedule
// read offers an update. Unless one is accepted, the bar comes up with what
// was read.
TEST(ScheduleFetch, TakesTheSiteOrAfterAnErrorPageTheMirror) {
    const std::string mirror = std::string(BuildConfig::mirrorUrl) + "/GroupMatchs.xml";
    const std::string ours = siteSchedule();
    const std::string offer = "<?xml?>\r\n<!-- [Update] http://e.org/U06.zip [Update] -->" + ours;
    const std::string marked = notFound + offer;
    const struct {
        std::map<std::string, std::string> answers;
        std::vector<std::string> requested;
        std::string read;
        std::size_t offers;
    } cases[] = {
        {{{schedule, ours}}, {schedule}, ours, 0},
        {{{schedule, notFound}, {mirror, ours}}, {schedule, mirror}, ours, 0},
        {{{mirror, ours}}, {schedule}, "", 0},                 // no site
        {{{schedule, marked}}, {schedule, mirror}, marked, 0}, // no mirror
        {{{schedule, offer}}, {schedule}, offer, 1},           // declined
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TestProgram test;
        test.http.answers = c.answers;
        test.program.start();
        EXPECT_EQ(test.http.requested, c.requested);
        EXPECT_EQ(test.program.loadedForm3()->scheduleText(), c.read);
        EXPECT_EQ(test.program.groupTables().slot('A', 1).DATE.empty(), c.read.empty());
        EXPECT_EQ(test.messageBox.shown.size(), c.offers);
        EXPECT_TRUE(test.program.loadedForm1()->isVisible() && test.trayIcon.shown);
    }
}

// A fresh folder gets its icon file, hidden; one in any letter case is kept
// (a start-up script runs, end to end).
TEST(FolderChores, TheFolderGetsAHiddenIconFileUnlessItHasOne) {
    TestProgram test;
    test.program.start();
    EXPECT_NE(test.files.contents["/app/desktop.ini"].find("kickoff-clock.exe"), std::string::npos);
    EXPECT_EQ(test.files.hidden, std::vector<std::string>{"/app/desktop.ini"});
    TestProgram again;
    again.files.contents["/app/DESKTOP.INI"] = "mine";
    again.program.start();
    EXPECT_EQ(again.files.writes, 0);
}

// The icon shows. About opens one window playing the site's movie. A double
// click on the icon hides the windows, stopping the movie, and the next
// brings back only the bar. Exit takes the icon away and ends, saving the
// reminders but not the settings.
TEST(TrayIcon, ItsClicksAndItsMenu) {
    const std::string movieUrl = site + "/images/flash/about.swf";
    const std::string movie = "<svg xmlns=\"http://www.w3.org/2000/svg\"><animateColor "
                              "attributeName=\"fill\" from=\"red\" to=\"blue\" dur=\"1s\"/></svg>";
    TestProgram test;
    test.http.answers[movieUrl] = movie;
    test.program.start();
    ASSERT_TRUE(test.trayIcon.shown);
    TrayMenu& menu = test.program.loadedForm3()->trayMenu();
    menu.aboutme->trigger();
    menu.aboutme->trigger();
    EXPECT_EQ(std::count(test.http.requested.begin(), test.http.requested.end(), movieUrl), 1);
    Form7& about = *test.program.loadedForm7();
    EXPECT_TRUE(about.isVisible() && child<AboutMovie>(about, "ShockwaveFlash1")->playing());
    EXPECT_EQ(child<AboutMovie>(about, "ShockwaveFlash1")->movie().toStdString(), movie);

    Form1& bar = *test.program.loadedForm1();
    test.trayIcon.click(TrayIcon::leftButtonDoubleClick);
    EXPECT_TRUE(!bar.isVisible() && !about.isVisible());
    EXPECT_FALSE(child<AboutMovie>(about, "ShockwaveFlash1")->playing());
    test.trayIcon.click(TrayIcon::leftButtonDoubleClick);
    EXPECT_TRUE(bar.isVisible() && !about.isVisible());

    menu.website->trigger();
    menu.email->trigger();
    EXPECT_EQ(test.shell.opened,
              (std::vector<std::string>{site + "/", std::string("mailto:") + BuildConfig::mail}));
    test.addReminder("10/06/2006\r\n21:00|England|Paraguay (group b)");
    menu.exitme->trigger();
    EXPECT_TRUE(!test.trayIcon.shown && test.program.ended());
    EXPECT_EQ(test.files.contents["/app/RemindMe.dsl"], reminders);
    EXPECT_FALSE(test.files.exists("/app/settings.dsl"));
}

// The about window, centred, plays the program's own movie when the site sends none.
TEST(AboutWindow, PlaysItsOwnMovieWithoutTheSites) {
    TestProgram test;
    QFile own(":/about");
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    Form7& about = test.program.form7();
    EXPECT_EQ(child<AboutMovie>(about, "ShockwaveFlash1")->movie(), own.readAll());
    EXPECT_EQ(about.twipsGeometry(),
              (TwipsRect{(about.screenWidthTwips() - 5580) / 2,
                         (about.screenHeightTwips() - 3600) / 2, 5580, 3600}));
}

// Due reminders open one alert, showing the last of them, and end the check
// for the run: neither its own tick nor a new reminder starts it again.
TEST(ReminderCheck, OneAlertARunShowingTheLastDueReminder) {
    TestProgram test;
    test.clock.set({{2006, 6, 9}, 9, 30, 0});
    test.program.start();
    ReminderStore& store = test.program.reminderStore();
    for (auto handler : {&ReminderStore::CheckMatchs_Timer, &ReminderStore::RemindersChanged}) {
        store.StopChecking();
        (store.*handler)();
        EXPECT_TRUE(store.checking()) << "nothing due: the check goes on";
    }
    test.files.contents["/app/RemindMe.dsl"] = ";09/06/2006|18:00|Germany|Costa rica|a\r\n"
                                               ";09/06/2006|21:00|Poland|Ecuador|a\r\n";
    store.LoadReminders();
    store.CheckMatchs_Timer();
    ASSERT_NE(test.program.loadedForm8(), nullptr);
    EXPECT_EQ(caption(*test.program.loadedForm8(), "Teams"), "Poland vs Ecuador");
    EXPECT_FALSE(store.checking());
    store.RemindersChanged();
    EXPECT_FALSE(store.checking());
}

// A click appends the whole listing at the end, wherever the cursor is.
TEST(ConversionWindow, EveryClickAppendsTheWholeListing) {
    TestProgram test;
    Form6& tool = test.program.form6();
    child<QPushButton>(tool, "Command1")->click();
    const QString listing = child<QPlainTextEdit>(tool, "RichTextBox2")->toPlainText();
    EXPECT_EQ(listing.count('\n'), 42); // six matches of seven lines
    child<QPlainTextEdit>(tool, "RichTextBox2")->moveCursor(QTextCursor::Start);
    child<QPlainTextEdit>(tool, "RichTextBox2")->moveCursor(QTextCursor::NextBlock);
    child<QPushButton>(tool, "Command1")->click();
    EXPECT_EQ(child<QPlainTextEdit>(tool, "RichTextBox2")->toPlainText(), listing + listing);
}
