#include "schedule/schedule_samples.h"

#include <fstream>
#include <sstream>

std::string scheduleText(const std::vector<SampleRecord>& records) {
    std::string text = "<?xml version=\"1.0\"?>\r\n<!-- test -->\r\n<GROUPLIST>\r\n";
    for (const SampleRecord& r : records) {
        text += "\t<MATCH MID=\"" + r.id + "\">\r\n\t\t<TEAM1>" + r.team1 +
                "</TEAM1>\r\n\t\t<TEAM2>" + r.team2 + "</TEAM2>\r\n\t\t<DATE>" + r.date +
                "</DATE>\r\n\t\t<TIME>" + r.time + "</TIME>\r\n\t\t<STADIUM>" + r.stadium +
                "</STADIUM>\r\n\t</MATCH>\r\n";
    }
    return text + "</GROUPLIST>\r\n";
}

std::string siteSchedule() {
    std::ifstream in(KC_SITE_DIR "/GroupMatchs.xml", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

XMLParsing::GroupTables siteTables() {
    XMLParsing::GroupTables tables;
    XMLParsing::splitGroups(siteSchedule(), tables);
    return tables;
}
