#pragma once

#include <string_view>

// The three settings live as the captions of the bar's toggle labels; every
// reader compares the caption when it runs.
namespace Settings {

inline constexpr std::string_view autoLoadOn = "Auto Load? Yes";
inline constexpr std::string_view autoLoadOff = "Auto Load? No";
inline constexpr std::string_view animatedOn = "Animated? Yes";
inline constexpr std::string_view animatedOff = "Animated? No";
inline constexpr std::string_view autoCompleteOn = "Auto Complete Search? Yes";
inline constexpr std::string_view autoCompleteOff = "Auto Complete Search? No";

// A click flips the caption: its on caption turns off, anything else turns on.
inline std::string_view flipped(std::string_view caption, std::string_view on,
                                std::string_view off) {
    return caption == on ? off : on;
}

} // namespace Settings
