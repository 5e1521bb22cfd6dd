#include "update/download_estimate.h"
#include "update/schedule_fetch.h"
#include "update/update_marker.h"

#include <gtest/gtest.h>

#include <string>

TEST(ErrorPage, OnlyALowerCaseFoundFromTheFourthCharacterCounts) {
    const std::pair<const char*, bool> cases[] = {
        {"", false},
        {"<?xml version=\"1.0\"?><GROUPLIST></GROUPLIST>", false},
        {"xfound: the first occurrence decides, found again later", false},
        {"xxfound", false},
        {"xxxfound", true},
        {"<h1>404 Not Found</h1>", false},
        {"<p>The requested URL was not found on this server.</p>", true},
    };
    for (auto [page, isError] : cases) {
        EXPECT_EQ(isErrorPage(page), isError) << page;
    }
}

TEST(UpdateMarker, IsHonouredFromTheSeventhCharacterWithItsClosingPartAfter) {
    const std::string marker = "<!-- [Update] http://h/U06.zip [Update] -->";
    EXPECT_EQ(updateMarkerContent("xxxxxx" + marker), "http://h/U06.zip");
    EXPECT_EQ(updateMarkerContent("xxxxx" + marker), std::nullopt);
    EXPECT_EQ(updateMarkerContent(marker), std::nullopt);
    EXPECT_EQ(updateMarkerContent("xxxxxxxx<!-- [Update] http://h/U06.zip"), std::nullopt);
    // A closing text before the opening one does not close it.
    EXPECT_EQ(updateMarkerContent("xx [Update] --> xxx<!-- [Update] http://h/U06.zip"),
              std::nullopt);
    EXPECT_EQ(updateMarkerContent("xxxxxxxx<!-- [Update]  [Update] -->"), "");
    EXPECT_EQ(
        updateMarkerContent("xxxxxxxx<!-- [Update] a [Update] --><!-- [Update] b [Update] -->"),
        "a");
}

TEST(UpdateOffer, OnlyAWebAddressOfAVersionAboveFiveIsOffered) {
    for (const char* offered :
         {"http://example.org/KC06Update06.zip", "http://example.org/KC06Update10.zip",
          "HTTPS://example.org/U06.zip"}) {
        EXPECT_TRUE(offersUpdate(offered)) << offered;
    }
    for (const char* notOffered :
         {"http://example.org/KC06Update04.zip", "http://example.org/KC06Update05.zip",
          "http://example.org/KC06Updateab.zip", "http://example.org/KC06Update6.zip", "06.zip", "",
          "file:///etc/U06.zip", "ftp://example.org/U06.zip", "/home/user/U06.zip",
          " http://example.org/U06.zip"}) {
        EXPECT_FALSE(offersUpdate(notOffered)) << notOffered;
    }
}

TEST(FileSizeMarker, ReadsAWholeNumberFrom0To32767) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"500", 500}, {"0", 0},      {"32767", 32767}, {"12.5", 12},
        {"13.5", 14}, {"40000", {}}, {"32767.5", {}},  {"-1", {}},
        {"12x", {}},  {"", {}},      {"1e3", {}},      {"99999999999999999999", {}},
    };
    for (auto [content, size] : cases) {
        EXPECT_EQ(
            fileSizeMarker(std::string("<?xml?>\r\n<!-- [FSize] ") + content + " [FSize] -->\r\n"),
            size)
            << content;
    }
    EXPECT_EQ(fileSizeMarker("<!-- [FSize] 500 [FSize] -->"), std::nullopt); // first character
    EXPECT_EQ(fileSizeMarker(" <!-- [FSize] 500 [FSize] -->"), 500);
    EXPECT_EQ(fileSizeMarker("xx<!-- [FSize] 500"), std::nullopt);
}

// Minutes at 56k and 128k, to the nearest whole one with halves to even.
TEST(DownloadTime, RoundsBothEstimatesToTheNearestWholeMinute) {
    EXPECT_EQ(downloadTime("2000"),
              (DownloadEstimate{"Approximately 5 minutes on a dial up connection (56k).",
                                "Approximately 2 minute on a dial up connection."}));
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"500", "1", "1"},         {"0", "0", "0"},       {"32767", "80", "35"},
        {"1025.390625", "2", "1"}, {"2343.75", "6", "2"}, {"3281.25", "8", "4"},
    };
    for (auto [size, at56k, at128k] : cases) {
        const DownloadEstimate estimate = downloadTime(size).value();
        EXPECT_EQ(estimate.at56k,
                  "Approximately " + std::string(at56k) + " minutes on a dial up connection (56k).")
            << size;
        EXPECT_EQ(estimate.at128k,
                  "Approximately " + std::string(at128k) + " minute on a dial up connection.")
            << size;
    }
    EXPECT_EQ(downloadTime("12x"), std::nullopt);
}
