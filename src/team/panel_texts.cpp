#include "team/panel_texts.h"

#include "common/text_search.h"

namespace PanelTexts {

NextMatch nextMatch(const XMLParsing::MatchSlot& slot, std::string_view opponent) {
    return {
        slot.DATE + "\r\n" + slot.TIME,
        std::string(opponent),
        "Playing at " + slot.STADIUM,
        "Playing at " + slot.STADIUM + " Stadium.",
    };
}

std::string againstTooltip(std::string_view title, std::string_view opponent) {
    return std::string(title) + " Vs. " + std::string(opponent);
}

std::string reminderText(std::string_view datePlaying, std::string_view against,
                         std::string_view title) {
    return std::string(datePlaying) + "|" + std::string(against) + "|" + std::string(title);
}

std::string groupSelector(std::string_view title) {
    constexpr std::size_t suffixLength = 9;
    return std::string(title.size() > suffixLength ? title.substr(title.size() - suffixLength)
                                                   : title);
}

std::string teamNameOf(std::string_view title) {
    const auto bracket = findFrom(title, " (");
    return std::string(bracket ? title.substr(0, *bracket) : title);
}

} // namespace PanelTexts
