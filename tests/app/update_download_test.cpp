#include "app/form3.h"
#include "build_config.h"
#include "fakes/test_program.h"
#include "reminders/form8.h"
#include "widgets/caption_label.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string archiveUrl = "http://example.org/KC06Update06.zip";
const std::string archivePath = "/app/KC06Update.zip";
const std::string helpPage = std::string(BuildConfig::siteUrl) + "/Updates_Help.html";
// Bytes a text path would mangle: NUL, CR LF, high bytes.
const std::string archiveBytes = std::string("PK\x03\x04\0\r\n\xff\x80 end", 14);

struct Captions {
    QString teams;
    QString dateAndTime;
    QString countdown;
};

// A run whose user accepted the update offered by `sizeMarker`'s schedule.
struct AcceptedUpdate {
    explicit AcceptedUpdate(const std::string& sizeMarker) {
        test.http.textAnswers[std::string(BuildConfig::siteUrl) + "/GroupMatchs.xml"] =
            "<?xml version=\"1.0\"?>\r\n<!-- [Update] " + archiveUrl + " [Update] -->\r\n" +
            sizeMarker + "<GROUPLIST>\r\n</GROUPLIST>\r\n";
        test.messageBox.answers = {MessageBox::Answer::Yes};
        test.files.contents["/app/RemindMe.dsl"] = ";10/06/2006|21:00|England|Paraguay|B\r\n";
        test.program.start();
        // What the download window shows while the archive arrives.
        test.http.whileWaiting = [this] {
            Form8& window = *test.program.loadedForm8();
            during = {window.Teams->caption(), window.DateAndTime->caption(),
                      window.Countdown->caption()};
            shownDuring = window.isVisible();
        };
    }
    void tick() { test.program.loadedForm3()->DownloaderTimer_Timer(); }

    TestProgram test;
    Captions during;
    bool shownDuring = false;
};

} // namespace

TEST(UpdateDownload, SavesTheArchiveOpensTheHelpPageAndEnds) {
    AcceptedUpdate run("<!-- [FSize] 2000 [FSize] -->\r\n");
    run.test.http.byteAnswers[archiveUrl] = archiveBytes;
    run.tick();

    EXPECT_TRUE(run.shownDuring);
    EXPECT_EQ(run.during.teams, "Downloading Update...");
    EXPECT_EQ(run.during.dateAndTime, "Approximately 5 minutes on a dial up connection (56k).");
    EXPECT_EQ(run.during.countdown, "Approximately 2 minute on a dial up connection.");
    EXPECT_EQ(run.test.program.loadedForm3()->DownloadTimeSize, 2000);
    EXPECT_FALSE(run.test.program.loadedForm8()->CountTimer.isActive());
    EXPECT_FALSE(run.test.program.loadedForm3()->DownloaderTimer.isActive());

    EXPECT_EQ(run.test.http.requested.back(), archiveUrl);
    EXPECT_EQ(run.test.files.contents[archivePath], archiveBytes);
    EXPECT_EQ(run.test.shell.opened, std::vector<std::string>{helpPage});
    EXPECT_TRUE(run.test.program.ended());
    EXPECT_EQ(run.test.files.contents["/app/RemindMe.dsl"],
              ";10/06/2006|21:00|England|Paraguay|B\r\n");
    EXPECT_TRUE(run.test.messageBox.shown.size() == 1U); // the offer only
}

TEST(UpdateDownload, AMissingOrUnusableSizeShowsTheFixedEstimates) {
    for (const std::string& marker :
         {std::string(), std::string("<!-- [FSize] 40000 [FSize] -->\r\n"),
          std::string("<!-- [FSize] 12x [FSize] -->\r\n"),
          std::string("<!-- [FSize] 500 -->\r\n")}) {
        AcceptedUpdate run(marker);
        run.test.http.byteAnswers[archiveUrl] = archiveBytes;
        run.tick();
        EXPECT_EQ(run.during.dateAndTime, "Approximately 3 minutes on a dial up connection (56k).")
            << marker;
        EXPECT_EQ(run.during.countdown, "Approximately 1 minute on a dial up connection.");
        EXPECT_EQ(run.during.teams, "Downloading Update...");
        EXPECT_TRUE(run.test.program.ended());
    }
}

TEST(UpdateDownload, AFailedDownloadKeepsTheEarlierArchiveAndSaysSo) {
    AcceptedUpdate run("<!-- [FSize] 2000 [FSize] -->\r\n");
    run.test.files.contents[archivePath] = "an earlier archive";
    run.tick(); // the archive's address has no answer

    EXPECT_EQ(run.test.files.contents[archivePath], "an earlier archive");
    EXPECT_TRUE(run.test.shell.opened.empty());
    ASSERT_EQ(run.test.messageBox.shown.size(), 2U);
    EXPECT_EQ(run.test.messageBox.shown[1].text,
              "The update could not be downloaded. Nothing was saved; please try again later.");
    EXPECT_EQ(run.test.messageBox.shown[1].buttons, MessageBox::Buttons::Ok);
    EXPECT_TRUE(run.test.program.ended());
    EXPECT_EQ(run.test.files.contents["/app/RemindMe.dsl"],
              ";10/06/2006|21:00|England|Paraguay|B\r\n");
}

TEST(UpdateDownload, AnArchiveThatCannotBeSavedOpensNoHelpPage) {
    AcceptedUpdate run("");
    run.test.http.byteAnswers[archiveUrl] = archiveBytes;
    run.test.files.failWrites = true;
    run.tick();
    EXPECT_FALSE(run.test.files.exists(archivePath));
    EXPECT_TRUE(run.test.shell.opened.empty());
    EXPECT_EQ(run.test.messageBox.shown.size(), 2U);
    EXPECT_TRUE(run.test.program.ended());
}
