#include "reminders/reminder_rules.h"

#include "common/text_search.h"

#include <algorithm>
#include <array>

namespace ReminderMatch {

namespace {

constexpr std::string_view crLf = "\r\n";
constexpr std::string_view groupSuffix = " (group ";

// The texts before each of the first `Count` "|", then the rest; nothing
// when the text has fewer.
template <std::size_t Count>
std::optional<std::array<std::string_view, Count + 1>> fieldsAtBars(std::string_view text) {
    std::array<std::string_view, Count + 1> fields;
    std::size_t from = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        const auto bar = findFrom(text, "|", from);
        if (!bar) {
            return std::nullopt;
        }
        fields[i] = text.substr(from, *bar - from);
        from = *bar + 1;
    }
    fields[Count] = text.substr(from);
    return fields;
}

// Every CR LF becomes "|", in one pass: a field of a million line ends is
// outside text and must not cost a million copies of the rest.
std::string barsForLineEnds(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, crLf.size()) == crLf) {
            joined += '|';
            ++i;
        } else {
            joined += text[i];
        }
    }
    return joined;
}

int secondsOfDay(const LocalDateTime& now) {
    return now.hour * 3600 + now.minute * 60 + now.second;
}

} // namespace

std::optional<std::string> reminderKey(std::string& text) {
    text = barsForLineEnds(text);
    const auto fields = fieldsAtBars<3>(text);
    if (!fields) {
        return std::nullopt;
    }
    const std::string_view rest = (*fields)[3];
    const auto suffix = findFrom(rest, groupSuffix);
    if (!suffix) {
        return std::nullopt;
    }
    // The group letter stands before the closing bracket; three "|" and the
    // suffix make sure the text is long enough.
    const char group = text[text.size() - 2];
    std::string key = ";";
    for (std::size_t i = 0; i < 3; ++i) {
        key.append((*fields)[i]).append("|");
    }
    key.append(rest.substr(0, *suffix)).append("|").push_back(group);
    return key;
}

std::vector<std::string_view> reminderEntries(std::string_view store) {
    // Each entry ends at a CR LF of its own, so there are never more entries
    // than lines ended by CR LF.
    std::vector<std::string_view> entries;
    std::size_t from = 0;
    while (const auto semicolon = findFrom(store, ";", from)) {
        const std::size_t start = *semicolon + 1;
        const auto end = findFrom(store, crLf, start);
        if (!end) {
            break;
        }
        entries.push_back(store.substr(start, *end - start));
        from = *end + crLf.size();
    }
    return entries;
}

std::optional<ReminderAlert> dueReminder(std::string_view entry, const LocalDateTime& now) {
    const auto fields = fieldsAtBars<4>(entry);
    if (!fields) {
        return std::nullopt;
    }
    const std::string_view date = (*fields)[0];
    const std::string_view time = (*fields)[1];
    // Most entries are for other days: the date decides first.
    const auto day = parseDayMonthYear(date);
    if (!day || *day != now.date) {
        return std::nullopt;
    }
    const auto kickOff = parseTimeOfDay(time);
    if (!kickOff || *kickOff / 3600 == 0 || *kickOff / 3600 < now.hour) {
        return std::nullopt;
    }
    return ReminderAlert{std::string((*fields)[2]) + " vs " + std::string((*fields)[3]),
                         std::string(date) + " " + std::string(time), std::string(time)};
}

std::optional<CountdownText> countdownText(std::string_view kickOff, const LocalDateTime& now) {
    const auto kickOffSeconds = parseTimeOfDay(kickOff);
    if (!kickOffSeconds) {
        return std::nullopt;
    }
    const int remaining = *kickOffSeconds - secondsOfDay(now);
    if (remaining > 0) {
        return CountdownText{"Match starts in " + std::to_string(remaining / 60) + " minutes " +
                                 std::to_string(remaining % 60) + " seconds",
                             false};
    }
    return CountdownText{"Match has started at " + std::string(kickOff), true};
}

int nextCountdownTick(const LocalDateTime& now) {
    // A little past the turn, so that the clock read at the tick has turned.
    constexpr int pastTheTurn = 5;
    return 1000 - now.millisecond + pastTheTurn;
}

int nextCheckDelay(const LocalDateTime& now) {
    // Whole seconds to the next hour; the real time left is up to one less.
    const int toNextHour = 3600 - (secondsOfDay(now) % 3600);
    if (toNextHour <= 1) {
        return checkInterval;
    }
    return std::min(60, toNextHour - 1) * 1000;
}

} // namespace ReminderMatch
