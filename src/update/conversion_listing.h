#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The schedule conversion tool's rules: schedule text in the source layout
// (identifiers "m1", "m2", ...) turned into a listing of one field per line.
namespace ConversionTool {

// MID, GROUP, TEAM1, TEAM2, DATE, TIME, STADIUM.
using Row = std::array<std::string, 7>;

// The tool's built-in sample: the six group A matches.
extern const std::string_view sampleText;

// The rows read from `text`, at most six. Reading stops at the first match
// with a missing tag (that match is not kept) and after the match that ends
// less than 10 characters before "</GROUPLIST>".
std::vector<Row> readTable(std::string_view text);

// The rows' fields in column order, each followed by CR LF, up to the first
// row with an empty MID.
std::string listing(const std::vector<Row>& rows);

} // namespace ConversionTool
