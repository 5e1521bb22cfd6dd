#pragma once

#include "schedule/group_split.h"

#include <string>
#include <vector>

// Schedule texts for the tests, written as the maker writes the file.
struct SampleRecord {
    std::string id, team1, team2, date, time, stadium;
};

std::string scheduleText(const std::vector<SampleRecord>& records);
// The real schedule served by the loopback site, and its tables.
std::string siteSchedule();
XMLParsing::GroupTables siteTables();
