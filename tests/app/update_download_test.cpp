#include "app/form3.h"
#include "build_config.h"
#include "fakes/test_program.h"
#include "reminders/form8.h"
#include "widgets/caption_label.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string archiveUrl = "http://example.org/KC06Update06.zip";
const std::string archivePath = "/downloads/KC06Update.zip";
const std::string reminders = ";10/06/2006|21:00|England|Paraguay|B\r\n";

// A run whose user accepted the update offered by `sizeMarker`'s schedule;
// its download is the next tick.
struct AcceptedUpdate {
    explicit AcceptedUpdate(const std::string& sizeMarker) {
        test.http.textAnswers[std::string(BuildConfig::siteUrl) + "/GroupMatchs.xml"] =
            "<?xml version=\"1.0\"?>\r\n<!-- [Update] " + archiveUrl + " [Update] -->\r\n" +
            sizeMarker + "<GROUPLIST>\r\n</GROUPLIST>\r\n";
        test.messageBox.answers = {MessageBox::Answer::Yes};
        test.files.contents["/app/RemindMe.dsl"] = reminders;
        test.files.downloads = "/downloads";
        test.program.start();
        test.http.whileWaiting = [this] {
            Form8& window = *test.program.loadedForm8();
            during = {window.Teams->caption(), window.DateAndTime->caption(),
                      window.Countdown->caption()};
        };
    }
    void tick() { test.program.loadedForm3()->DownloaderTimer_Timer(); }

    TestProgram test;
    std::vector<QString> during; // the download window's captions while the archive arrives
};

} // namespace

TEST(UpdateDownload, AMissingOrUnusableSizeShowsTheFixedEstimates) {
    for (const std::string& marker :
         {std::string(), std::string("<!-- [FSize] 40000 [FSize] -->\r\n")}) {
        AcceptedUpdate run(marker);
        run.test.http.byteAnswers[archiveUrl] = "PK";
        run.tick();
        EXPECT_EQ(run.during,
                  (std::vector<QString>{"Downloading Update...",
                                        "Approximately 3 minutes on a dial up connection (56k).",
                                        "Approximately 1 minute on a dial up connection."}))
            << marker;
        EXPECT_EQ(run.test.files.contents[archivePath], "PK");
        EXPECT_TRUE(run.test.program.ended());
    }
}

// Half an archive is worse than none: a download that cannot be saved keeps
// the earlier archive, opens no help page, says so and ends.
TEST(UpdateDownload, AnArchiveThatCannotBeSavedKeepsTheEarlierOneAndSaysSo) {
    AcceptedUpdate run("<!-- [FSize] 2000 [FSize] -->\r\n");
    run.test.files.contents[archivePath] = "an earlier archive";
    run.test.http.byteAnswers[archiveUrl] = "PK";
    run.test.files.failWrites = true;
    run.tick();
    EXPECT_EQ(run.test.files.contents[archivePath], "an earlier archive");
    EXPECT_TRUE(run.test.shell.opened.empty());
    ASSERT_EQ(run.test.messageBox.shown.size(), 2U);
    EXPECT_EQ(run.test.messageBox.shown[1].text,
              "The update could not be downloaded. Nothing was saved; please try again later.");
    EXPECT_EQ(run.test.messageBox.shown[1].buttons, MessageBox::Buttons::Ok);
    EXPECT_TRUE(run.test.program.ended());
    EXPECT_EQ(run.test.files.contents["/app/RemindMe.dsl"], reminders);
}
