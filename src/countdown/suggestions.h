#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The suggestion engine's table: short keys (first letters of team names)
// that either offer a team in the strip below the bar or complete the text.
namespace Suggestions {

enum class Action {
    Suggest,       // offer the name in the strip, leave the text alone
    Complete,      // replace the text, close the strip, show SearchButton
    PlainComplete, // replace the text, show SearchButton, leave the strip
};

struct Row {
    std::string_view key;
    Action action;
    std::string_view name;
};

// Every row, in the order the keys are tested.
const std::array<Row, 43>& table();

// The row whose key equals the whole lower-cased text (no trimming).
std::optional<Row> lookup(std::string_view text);

// What SuggestToMe is given when there is nothing to offer.
inline constexpr std::string_view noSuggestion = "None";

// "Did you mean " + name + "?"
std::string suggestionCaption(std::string_view name);

// The name back out of a clicked caption; nothing when the caption has no
// "Did you mean " or no "?" after the name.
std::optional<std::string> nameInCaption(std::string_view caption);

} // namespace Suggestions
