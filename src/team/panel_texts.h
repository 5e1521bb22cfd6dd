#pragma once

#include "schedule/group_split.h"

#include <string>
#include <string_view>

// The texts the team panel shows and hands on.
namespace PanelTexts {

// What the next match writes into the panel, besides the title.
struct NextMatch {
    std::string datePlaying; // DATE, CR LF, TIME
    std::string against;     // the opponent's name
    std::string stad;        // "Playing at " STADIUM
    std::string stadTooltip; // "Playing at " STADIUM " Stadium."
};

NextMatch nextMatch(const XMLParsing::MatchSlot& slot, std::string_view opponent);

// The opponent's tooltip, from the title as it reads once the suffix is on.
std::string againstTooltip(std::string_view title, std::string_view opponent);

// date CR LF time "|" opponent "|" title
std::string reminderText(std::string_view datePlaying, std::string_view against,
                         std::string_view title);

// The title's last 9 characters: its group suffix without the blank, "(group a)".
std::string groupSelector(std::string_view title);

// The title up to its first " (", or all of it: the team's name.
std::string teamNameOf(std::string_view title);

} // namespace PanelTexts
