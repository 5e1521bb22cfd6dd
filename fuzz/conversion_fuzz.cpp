// The conversion tool on any schedule text: at most six rows, every field a
// piece of the text, and the listing is the fields line by line.
#include "fuzz_check.h"
#include "update/conversion_listing.h"

void fuzzText(std::string_view text) {
    const auto rows = ConversionTool::readTable(text);
    check(rows.size() <= 6);
    std::size_t listed = 0;
    bool ended = false;
    for (const auto& row : rows) {
        ended = ended || row[0].empty();
        for (const std::string& field : row) {
            check(text.find(field) != std::string_view::npos);
            listed += ended ? 0 : field.size() + 2;
        }
    }
    check(ConversionTool::listing(rows).size() == listed);
}
