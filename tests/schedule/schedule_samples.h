#pragma once

#include <string>
#include <vector>

// Schedule texts for the tests, written as the maker writes the file.
struct SampleRecord {
    std::string id;
    std::string team1;
    std::string team2;
    std::string date;
    std::string time;
    std::string stadium;
};

std::string recordText(const SampleRecord& record);
std::string scheduleText(const std::vector<SampleRecord>& records);

// The real schedule served by the loopback site.
std::string siteSchedule();
