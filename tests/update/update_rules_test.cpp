#include "update/conversion_listing.h"
#include "update/download_estimate.h"
#include "update/schedule_fetch.h"
#include "update/update_marker.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(UpdateMarker, MarkersAreHonouredFromTheirOwnPlaceOn) {
    // An error page has a lower-case "found" from the fourth character on.
    for (auto [page, isError] : {std::pair{"", false},
                                 {"xxfound", false},
                                 {"xxxfound", true},
                                 {"<h1>404 Not Found</h1>", false}}) {
        EXPECT_EQ(isErrorPage(page), isError) << page;
    }
    const std::pair<std::string, std::optional<std::string>> updates[] = {
        {"xxxxxx<!-- [Update] http://h/U06.zip [Update] -->", "http://h/U06.zip"},
        {"xxxxx<!-- [Update] http://h/U06.zip [Update] -->", {}},
        {"xxxxxxxx<!-- [Update] http://h/U06.zip", {}},
        {"xx [Update] --> xxx<!-- [Update] http://h/U06.zip", {}}, // a close before the opening
        {"xxxxxxxx<!-- [Update] a [Update] --><!-- [Update] b [Update] -->", "a"},
    };
    for (const auto& [page, content] : updates) {
        EXPECT_EQ(updateMarkerContent(page), content) << page;
    }
    // Only a web address of a version above 5; from an https site, an https one.
    for (auto [address, offered] : {std::pair{"http://e.org/KC06Update06.zip", true},
                                    {"HTTPS://e.org/U10.zip", true},
                                    {"http://e.org/KC06Update05.zip", false},
                                    {"http://e.org/U6.zip", false},
                                    {"http://e.org/Uab.zip", false},
                                    {"file:///etc/U06.zip", false},
                                    {" http://e.org/U06.zip", false}}) {
        EXPECT_EQ(offersUpdate(address, "http://s"), offered) << address;
        const bool secure = std::string_view(address).starts_with("HTTPS:");
        EXPECT_EQ(offersUpdate(address, "Https://s"), offered && secure) << address;
    }
    const std::pair<const char*, std::optional<int>> sizes[] = {
        {"500", 500},    {"32767", 32767}, {"12.5", 12}, {"13.5", 14}, {"40000", {}},
        {"32767.5", {}}, {"-1", {}},       {"12x", {}},  {"", {}},     {"99999999999999999999", {}},
    };
    for (auto [content, size] : sizes) {
        EXPECT_EQ(fileSizeMarker(std::string("\r\n<!-- [FSize] ") + content + " [FSize] -->"), size)
            << content;
    }
    EXPECT_EQ(fileSizeMarker("<!-- [FSize] 500 [FSize] -->"), std::nullopt); // first character
    // Sizes of exactly 2.5 and 3.5 minutes at 56k: halves go to even, so a rate off by one shows.
    for (auto [kilobytes, at56k, at128k] :
         {std::tuple{"1025.390625", "2", "1"}, {"1435.546875", "4", "2"}}) {
        EXPECT_EQ(
            downloadTime(kilobytes),
            (DownloadEstimate{"Approximately "s + at56k + " minutes on a dial up connection (56k).",
                              "Approximately "s + at128k + " minute on a dial up connection."}));
    }
}

TEST(ConversionTool, ListsSevenFieldsAMatchAndStopsWhereTheTextRunsOut) {
    using namespace ConversionTool;
    const std::string sample(sampleText), lines = listing(readTable(sampleText));
    EXPECT_TRUE(
        lines.ends_with("m6\r\nA\r\nCosta Rica\r\nPoland\r\n20/06/2006\r\n16:00\r\nHanover\r\n"));
    const std::pair<std::string, std::size_t> cases[] = {
        {sample.substr(0, sample.find("<DATE>", sample.find("m3"))) + "</GROUPLIST>", 2},
        {sample.substr(0, sample.find("</GROUPLIST>")), 1},
        {sample.substr(0, sample.find("</GROUPLIST>")) + sample.substr(sample.find("\t<MATCH")), 6},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(readTable(text).size(), rows) << text;
    }
    std::vector<Row> rows(3, {"m", "A", "x", "y", "d", "t", "s"});
    rows[1][0].clear(); // an empty identifier ends the listing
    EXPECT_EQ(listing(rows), "m\r\nA\r\nx\r\ny\r\nd\r\nt\r\ns\r\n");
}
