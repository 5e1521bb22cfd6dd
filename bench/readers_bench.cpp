// Time of each reader of outside text on 1 MiB of well-formed and of
// malformed input: the split must stay linear whatever the records lack.
#include "calendar/match_day.h"
#include "common/civil_date.h"
#include "countdown/suggestions.h"
#include "reminders/reminder_rules.h"
#include "schedule/group_split.h"
#include "settings/settings_file.h"
#include "update/conversion_listing.h"
#include "update/download_estimate.h"
#include "update/update_marker.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace {

constexpr std::size_t mebibyte = 1 << 20;

std::string siteSchedule() {
    std::ifstream in(KC_SITE_DIR "/GroupMatchs.xml", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The site's records repeated to 1 MiB inside one list.
std::string bigSchedule() {
    const std::string site = siteSchedule();
    const std::size_t first = site.find("<MATCH ");
    const std::size_t last = site.rfind("</GROUPLIST>");
    const std::string records = site.substr(first, last - first);
    std::string text = site.substr(0, first);
    while (text.size() < mebibyte) {
        text += records;
    }
    return text + "</GROUPLIST>\n";
}

std::string withoutRecordEnds(std::string text) {
    for (std::size_t at; (at = text.find("</MATCH>")) != std::string::npos;) {
        text.erase(at, 8);
    }
    return text;
}

// An opening with 1 MiB after it and no closing.
std::string unclosed(std::string_view opening) {
    return "head: " + std::string(opening) + std::string(mebibyte, 'x');
}

std::string crLfs(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += "\r\n";
    }
    return text;
}

using Reader = std::function<void(const std::string&)>;

void read(benchmark::State& state, const Reader& reader, const std::string& text) {
    for (auto _ : state) {
        reader(text);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void registerReader(const std::string& name, Reader reader, std::string wellFormed,
                    std::string malformed) {
    for (auto [kind, text] : {std::pair{"well-formed", std::move(wellFormed)},
                              std::pair{"malformed", std::move(malformed)}}) {
        benchmark::RegisterBenchmark((name + "/" + kind).c_str(), read, reader, text)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string schedule = bigSchedule();
    // Allocated: a local GroupTables trips clang 14.
    registerReader(
        "splitGroups",
        [](const std::string& text) {
            auto tables = std::make_unique<XMLParsing::GroupTables>();
            benchmark::DoNotOptimize(XMLParsing::splitGroups(text, *tables));
        },
        schedule, withoutRecordEnds(schedule));
    registerReader(
        "updateMarkerContent",
        [](const std::string& text) { benchmark::DoNotOptimize(updateMarkerContent(text)); },
        schedule, unclosed("<!-- [Update] "));
    registerReader(
        "fileSizeMarker",
        [](const std::string& text) { benchmark::DoNotOptimize(fileSizeMarker(text)); }, schedule,
        unclosed("<!-- [FSize] "));
    registerReader(
        "readSettingsText",
        [](const std::string& text) { benchmark::DoNotOptimize(Settings::readSettingsText(text)); },
        std::string(mebibyte, ' ') + Settings::settingsText({}), unclosed("[AutoLoad "));
    registerReader(
        "parseDayMonthYear",
        [](const std::string& text) { benchmark::DoNotOptimize(parseDayMonthYear(text)); },
        "09/06/" + std::string(mebibyte, '2'), std::string(mebibyte, '/'));
    registerReader(
        "nameInCaption",
        [](const std::string& text) { benchmark::DoNotOptimize(Suggestions::nameInCaption(text)); },
        Suggestions::suggestionCaption(std::string(mebibyte, 'a')), unclosed("Did you mean "));
    registerReader(
        "readTable",
        [](const std::string& text) { benchmark::DoNotOptimize(ConversionTool::readTable(text)); },
        schedule, withoutRecordEnds(schedule));
    registerReader(
        "readDayText",
        [](const std::string& text) { benchmark::DoNotOptimize(MatchDay::readDayText(text)); },
        "9. " + std::string(mebibyte, 'A') + " vs B - 09/06/2006 18:00 ",
        "9. " + std::string(mebibyte, 'A') + " vs B");
    // The key copies its text, so the copy is timed with it.
    registerReader(
        "reminderKey",
        [](const std::string& text) {
            std::string panelText = text;
            benchmark::DoNotOptimize(ReminderMatch::reminderKey(panelText));
        },
        "09/06/2006\r\n18:00|" + std::string(mebibyte, 'A') + "|B (group a)",
        "09/06/2006\r\n" + crLfs(mebibyte / 2) + "|A|B (group a)");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
