#include "update/conversion_listing.h"

#include "common/text_search.h"
#include "schedule/group_split.h"

#include <optional>

namespace ConversionTool {

namespace {

constexpr std::size_t maxRows = 6;

struct Field {
    std::string_view open;
    std::string_view close;
};

constexpr Field fields[] = {
    {"<MATCH MID=\"", "\">"},    {"<GROUP>", "</GROUP>"}, {"<TEAM1>", "</TEAM1>"},
    {"<TEAM2>", "</TEAM2>"},     {"<DATE>", "</DATE>"},   {"<TIME>", "</TIME>"},
    {"<STADIUM>", "</STADIUM>"},
};

} // namespace

const std::string_view sampleText =
    "<?xml version=\"1.0\"?>\r\n"
    "<!DOCTYPE GROUPLIST SYSTEM \"matchsystem.dtd\">\r\n"
    "<GROUPLIST>\r\n"
    "\t<MATCH MID=\"m1\">\r\n\t\t<GROUP>A</GROUP>\r\n\t\t<TEAM1>Germany</TEAM1>\r\n"
    "\t\t<TEAM2>Costa Rica</TEAM2>\r\n\t\t<DATE>09/06/2006</DATE>\r\n"
    "\t\t<TIME>18:00</TIME>\r\n\t\t<STADIUM>Munich</STADIUM>\r\n\t</MATCH>\r\n"
    "\t<MATCH MID=\"m2\">\r\n\t\t<GROUP>A</GROUP>\r\n\t\t<TEAM1>Poland</TEAM1>\r\n"
    "\t\t<TEAM2>Ecuador</TEAM2>\r\n\t\t<DATE>09/06/2006</DATE>\r\n"
    "\t\t<TIME>21:00</TIME>\r\n\t\t<STADIUM>Gelsenkirchen</STADIUM>\r\n\t</MATCH>\r\n"
    "\t<MATCH MID=\"m3\">\r\n\t\t<GROUP>A</GROUP>\r\n\t\t<TEAM1>Germany</TEAM1>\r\n"
    "\t\t<TEAM2>Poland</TEAM2>\r\n\t\t<DATE>14/06/2006</DATE>\r\n"
    "\t\t<TIME>21:00</TIME>\r\n\t\t<STADIUM>Dortmund</STADIUM>\r\n\t</MATCH>\r\n"
    "\t<MATCH MID=\"m4\">\r\n\t\t<GROUP>A</GROUP>\r\n\t\t<TEAM1>Ecuador</TEAM1>\r\n"
    "\t\t<TEAM2>Costa Rica</TEAM2>\r\n\t\t<DATE>15/06/2006</DATE>\r\n"
    "\t\t<TIME>15:00</TIME>\r\n\t\t<STADIUM>Hamburg</STADIUM>\r\n\t</MATCH>\r\n"
    "\t<MATCH MID=\"m5\">\r\n\t\t<GROUP>A</GROUP>\r\n\t\t<TEAM1>Ecuador</TEAM1>\r\n"
    "\t\t<TEAM2>Germany</TEAM2>\r\n\t\t<DATE>20/06/2006</DATE>\r\n"
    "\t\t<TIME>16:00</TIME>\r\n\t\t<STADIUM>Berlin</STADIUM>\r\n\t</MATCH>\r\n"
    "\t<MATCH MID=\"m6\">\r\n\t\t<GROUP>A</GROUP>\r\n\t\t<TEAM1>Costa Rica</TEAM1>\r\n"
    "\t\t<TEAM2>Poland</TEAM2>\r\n\t\t<DATE>20/06/2006</DATE>\r\n"
    "\t\t<TIME>16:00</TIME>\r\n\t\t<STADIUM>Hanover</STADIUM>\r\n\t</MATCH>\r\n"
    "</GROUPLIST>\r\n";

std::vector<Row> readTable(std::string_view text) {
    std::vector<Row> rows;
    // A missing end of the list ends the reading after the first match.
    const std::optional<std::size_t> listEnd = findFrom(text, XMLParsing::listClosing);
    std::size_t from = 0;
    while (rows.size() < maxRows) {
        Row row;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const auto field = findBetween(text, fields[i].open, fields[i].close, from);
            if (!field) {
                return rows;
            }
            row[i] = std::string(field->text);
            from = field->closeAt;
        }
        rows.push_back(std::move(row));
        const auto matchEnd = findFrom(text, XMLParsing::recordClosing, from);
        if (!matchEnd || !listEnd || *listEnd < *matchEnd + 10) {
            return rows;
        }
    }
    return rows;
}

std::string listing(const std::vector<Row>& rows) {
    std::string lines;
    for (const Row& row : rows) {
        if (row[0].empty()) {
            break;
        }
        for (const std::string& field : row) {
            lines += field;
            lines += "\r\n";
        }
    }
    return lines;
}

} // namespace ConversionTool
