#pragma once

#include <optional>
#include <string>
#include <string_view>

// The update archive's size in kilobytes from the file-size marker
// "<!-- [FSize] " ... " [FSize] -->", read as a number rounded to the nearest
// whole (halves to even). Nothing when the marker is missing, starts at the
// first character, has no closing part, or holds no number from 0 to 32767.
std::optional<short> fileSizeMarker(std::string_view schedule);

// Dial-up download times shown while the archive downloads.
struct DownloadEstimate {
    std::string at56k;  // the download window's DateAndTime
    std::string at128k; // the download window's Countdown

    bool operator==(const DownloadEstimate&) const = default;
};

// The estimates for a size in kilobytes given as decimal text; nothing when
// the text is not a number or the minutes do not fit 16 bits.
std::optional<DownloadEstimate> downloadTime(std::string_view kilobytes);

// The fixed estimates shown when the size is unknown.
DownloadEstimate unknownSizeEstimate();
