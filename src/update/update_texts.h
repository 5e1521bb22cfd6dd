#pragma once

// Fixed texts and names of the schedule fetch, the update offer and the
// update download.
namespace UpdateTexts {
inline constexpr const char* schedulePath = "/GroupMatchs.xml";
inline constexpr const char* helpPath = "/Updates_Help.html";
inline constexpr const char* archiveName = "KC06Update.zip";

inline constexpr const char* offerText =
    "There is an update available, it is recommended you download it. Would you like to "
    "download it?";
inline constexpr const char* offerTitle = "There is an update available!";

inline constexpr const char* downloadHeadline = "Downloading Update...";
// Told when the archive could not be fetched whole or saved; nothing was written.
inline constexpr const char* downloadFailedText =
    "The update could not be downloaded. Nothing was saved; please try again later.";
inline constexpr const char* downloadFailedTitle = "Kickoff Clock";
} // namespace UpdateTexts
