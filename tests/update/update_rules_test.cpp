#include "update/download_estimate.h"
#include "update/schedule_fetch.h"
#include "update/update_marker.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A schedule text whose update marker starts at 1-based position `at`.
std::string withUpdateMarkerAt(std::size_t at, const std::string& url) {
    return std::string(at - 1, 'x') + "<!-- [Update] " + url + " [Update] -->\r\n<GROUPLIST>";
}

std::string withSizeMarker(const std::string& content) {
    return "<?xml version=\"1.0\"?>\r\n<!-- [FSize] " + content + " [FSize] -->\r\n";
}

} // namespace

TEST(ErrorPage, OnlyALowerCaseFoundFromTheFourthCharacterCounts) {
    EXPECT_FALSE(isErrorPage(""));
    EXPECT_FALSE(isErrorPage("<?xml version=\"1.0\"?><GROUPLIST></GROUPLIST>"));
    EXPECT_FALSE(isErrorPage("xfound: the first occurrence decides, found again later"));
    EXPECT_FALSE(isErrorPage("foundation"));
    EXPECT_FALSE(isErrorPage("xxfound"));
    EXPECT_TRUE(isErrorPage("xxxfound"));
    EXPECT_FALSE(isErrorPage("<h1>404 Not Found</h1>"));
    EXPECT_TRUE(isErrorPage("<p>The requested URL was not found on this server.</p>"));
}

TEST(UpdateMarker, IsHonouredFromTheSeventhCharacterOn) {
    const std::string url = "http://example.org/KC06Update06.zip";
    EXPECT_EQ(updateMarkerContent(withUpdateMarkerAt(7, url)), url);
    EXPECT_EQ(updateMarkerContent(withUpdateMarkerAt(6, url)), std::nullopt);
    EXPECT_EQ(updateMarkerContent(withUpdateMarkerAt(1, url)), std::nullopt);
    EXPECT_EQ(updateMarkerContent("no marker at all"), std::nullopt);
}

TEST(UpdateMarker, NeedsItsClosingPartAfterTheContent) {
    EXPECT_EQ(updateMarkerContent("xxxxxxxx<!-- [Update] http://h/U06.zip"), std::nullopt);
    // A closing text before the opening one does not close it.
    EXPECT_EQ(updateMarkerContent("xx [Update] --> xxx<!-- [Update] http://h/U06.zip"),
              std::nullopt);
    EXPECT_EQ(updateMarkerContent("xxxxxxxx<!-- [Update]  [Update] -->"), "");
    // Only the first opening counts.
    EXPECT_EQ(
        updateMarkerContent("xxxxxxxx<!-- [Update] a [Update] --><!-- [Update] b [Update] -->"),
        "a");
}

TEST(UpdateOffer, OnlyAVersionAboveFiveIsOffered) {
    EXPECT_FALSE(offersUpdate("http://example.org/KC06Update04.zip"));
    EXPECT_FALSE(offersUpdate("http://example.org/KC06Update05.zip"));
    EXPECT_TRUE(offersUpdate("http://example.org/KC06Update06.zip"));
    EXPECT_TRUE(offersUpdate("http://example.org/KC06Update10.zip"));
    EXPECT_FALSE(offersUpdate("http://example.org/KC06Updateab.zip"));
    EXPECT_FALSE(offersUpdate("http://example.org/KC06Update6.zip")); // "e6" is no number
    EXPECT_FALSE(offersUpdate("06.zip"));
    EXPECT_FALSE(offersUpdate("6.zip"));
    EXPECT_FALSE(offersUpdate(""));
}

TEST(UpdateOffer, OnlyWebAddressesAreOffered) {
    EXPECT_TRUE(offersUpdate("HTTPS://example.org/U06.zip"));
    EXPECT_FALSE(offersUpdate("file:///etc/U06.zip"));
    EXPECT_FALSE(offersUpdate("ftp://example.org/U06.zip"));
    EXPECT_FALSE(offersUpdate("/home/user/U06.zip"));
    EXPECT_FALSE(offersUpdate(" http://example.org/U06.zip"));
}

TEST(FileSizeMarker, ReadsAWholeNumberFrom0To32767) {
    EXPECT_EQ(fileSizeMarker(withSizeMarker("500")), 500);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("0")), 0);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("32767")), 32767);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("12.5")), 12); // halves to even
    EXPECT_EQ(fileSizeMarker(withSizeMarker("13.5")), 14);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("40000")), std::nullopt);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("32767.5")), std::nullopt);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("-1")), std::nullopt);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("12x")), std::nullopt);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("")), std::nullopt);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("1e3")), std::nullopt);
    EXPECT_EQ(fileSizeMarker(withSizeMarker("99999999999999999999999")), std::nullopt);
}

TEST(FileSizeMarker, IsMissingWithoutBothPartsOrAtTheFirstCharacter) {
    EXPECT_EQ(fileSizeMarker("no marker"), std::nullopt);
    EXPECT_EQ(fileSizeMarker("<!-- [FSize] 500 [FSize] -->"), std::nullopt);
    EXPECT_EQ(fileSizeMarker(" <!-- [FSize] 500 [FSize] -->"), 500);
    EXPECT_EQ(fileSizeMarker("xx<!-- [FSize] 500"), std::nullopt);
}

TEST(DownloadTime, RoundsBothEstimatesToTheNearestWholeMinute) {
    EXPECT_EQ(downloadTime("500"),
              (DownloadEstimate{"Approximately 1 minutes on a dial up connection (56k).",
                                "Approximately 1 minute on a dial up connection."}));
    EXPECT_EQ(downloadTime("2000"),
              (DownloadEstimate{"Approximately 5 minutes on a dial up connection (56k).",
                                "Approximately 2 minute on a dial up connection."}));
    EXPECT_EQ(downloadTime("0"),
              (DownloadEstimate{"Approximately 0 minutes on a dial up connection (56k).",
                                "Approximately 0 minute on a dial up connection."}));
    // 32767 kB: 79.9 and 34.95 minutes.
    EXPECT_EQ(downloadTime("32767"),
              (DownloadEstimate{"Approximately 80 minutes on a dial up connection (56k).",
                                "Approximately 35 minute on a dial up connection."}));
    EXPECT_EQ(downloadTime("12x"), std::nullopt);
}

TEST(DownloadTime, HalvesGoToTheEvenNeighbour) {
    // Sizes that come out at exactly 2.5 and 3.5 minutes (56k, then 128k).
    ASSERT_TRUE(downloadTime("1025.390625"));
    EXPECT_EQ(downloadTime("1025.390625")->at56k,
              "Approximately 2 minutes on a dial up connection (56k).");
    ASSERT_TRUE(downloadTime("2343.75"));
    EXPECT_EQ(downloadTime("2343.75")->at128k, "Approximately 2 minute on a dial up connection.");
    ASSERT_TRUE(downloadTime("3281.25"));
    EXPECT_EQ(downloadTime("3281.25")->at128k, "Approximately 4 minute on a dial up connection.");
}

TEST(DownloadTime, UnknownSizeGivesTheFixedTexts) {
    EXPECT_EQ(unknownSizeEstimate(),
              (DownloadEstimate{"Approximately 3 minutes on a dial up connection (56k).",
                                "Approximately 1 minute on a dial up connection."}));
}
