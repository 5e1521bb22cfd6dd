#include "countdown/suggestions.h"

#include "common/text_search.h"

namespace Suggestions {

namespace {

constexpr std::string_view captionLead = "Did you mean ";

using enum Action;

// The names are spelled as the strip shows them: "Costa Rica" when offered,
// "Costa rica" when completed. No key leads to Serbia and montenegro.
constexpr std::array<Row, 43> rows{{
    {"a", Suggest, "Angola"},
    {"an", Complete, "Angola"},
    {"ar", Complete, "Argentina"},
    {"au", Complete, "Australia"},
    {"b", PlainComplete, "Brazil"},
    {"c", Suggest, "Costa Rica"},
    {"co", Suggest, "Costa Rica"},
    {"cos", Complete, "Costa rica"},
    {"cot", Complete, "Cote d'ivoire"},
    {"cr", Complete, "Croatia"},
    {"cz", Complete, "Czech republic"},
    {"e", Suggest, "Ecuador"},
    {"ec", Complete, "Ecuador"},
    {"en", Complete, "England"},
    {"f", PlainComplete, "France"},
    {"g", Suggest, "Germany"},
    {"ge", Complete, "Germany"},
    {"gh", Complete, "Ghana"},
    {"i", Suggest, "Iran"},
    {"ir", Complete, "Iran"},
    {"it", Complete, "Italy"},
    {"j", PlainComplete, "Japan"},
    {"k", PlainComplete, "Korea republic"},
    {"m", PlainComplete, "Mexico"},
    {"n", PlainComplete, "Netherlands"},
    {"p", Suggest, "Paraguay"},
    {"pa", Complete, "Paraguay"},
    {"po", Suggest, "Poland"},
    {"pol", Complete, "Poland"},
    {"por", Complete, "Portugal"},
    {"s", Suggest, "Saudi Arabia"},
    {"sa", Complete, "Saudi Arabia"},
    {"sp", Complete, "Spain"},
    {"sw", Suggest, "Sweden"},
    {"swe", Complete, "Sweden"},
    {"swi", Complete, "Switzerland"},
    {"t", Suggest, "Togo"},
    {"to", Complete, "Togo"},
    {"tr", Complete, "Trinidad and tobago"},
    {"tu", Complete, "Tunisia"},
    {"u", Suggest, "USA"},
    {"us", Complete, "USA"},
    {"uk", Complete, "Ukraine"},
}};

} // namespace

const std::array<Row, 43>& table() {
    return rows;
}

std::optional<Row> lookup(std::string_view text) {
    const std::string probe = toLowerAscii(text);
    for (const Row& row : rows) {
        if (row.key == probe) {
            return row;
        }
    }
    return std::nullopt;
}

std::string suggestionCaption(std::string_view name) {
    std::string caption(captionLead);
    caption += name;
    caption += '?';
    return caption;
}

std::optional<std::string> nameInCaption(std::string_view caption) {
    const auto lead = findFrom(caption, captionLead);
    if (!lead) {
        return std::nullopt;
    }
    const std::size_t start = *lead + captionLead.size();
    const auto end = findFrom(caption, "?", start);
    if (!end) {
        return std::nullopt;
    }
    return std::string(caption.substr(start, *end - start));
}

} // namespace Suggestions
