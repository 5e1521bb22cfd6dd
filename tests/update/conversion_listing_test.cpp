#include "update/conversion_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace ConversionTool;

TEST(ConversionTool, TheSampleListsSixMatchesOfSevenFields) {
    const std::string lines = listing(readTable(sampleText));
    EXPECT_EQ(lines.substr(0, 59),
              "m1\r\nA\r\nGermany\r\nCosta Rica\r\n09/06/2006\r\n18:00\r\nMunich\r\nm2\r\n");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 42);
    EXPECT_TRUE(
        lines.ends_with("m6\r\nA\r\nCosta Rica\r\nPoland\r\n20/06/2006\r\n16:00\r\nHanover\r\n"));
}

TEST(ConversionTool, ReadingStopsWhereTheTextRunsOut) {
    const std::string sample(sampleText);
    const auto without = [&](const std::string& what, std::size_t from = 0) {
        std::string text = sample;
        return text.erase(text.find(what, from), what.size());
    };
    const struct {
        std::string text;
        std::size_t rows;
    } cases[] = {
        {without("</STADIUM>", sample.find("m6")), 5}, // the last match without its end
        {sample.substr(0, sample.find("<DATE>", sample.find("m3"))) + "</GROUPLIST>", 2},
        {without("</GROUPLIST>"), 1},
        {sample.substr(0, sample.find("</GROUPLIST>")) + sample.substr(sample.find("\t<MATCH")),
         6}, // twelve matches
        {"<MATCH MID=\"m1\"><GROUP>", 0},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(readTable(text).size(), rows) << text;
    }
}

TEST(ConversionTool, AnEmptyIdentifierEndsTheListing) {
    std::vector<Row> rows(3, {"m", "A", "x", "y", "d", "t", "s"});
    rows[1][0].clear();
    EXPECT_EQ(listing(rows), "m\r\nA\r\nx\r\ny\r\nd\r\nt\r\ns\r\n");
}
