#pragma once

#include <optional>
#include <string>
#include <string_view>

// The running program's minor version, the only part compared with a release.
inline constexpr int programMinorVersion = 5;

// The content of the update marker "<!-- [Update] " ... " [Update] -->": the
// update archive's address. Nothing when the marker is missing, begins within
// the first six characters, or has no closing part.
std::optional<std::string> updateMarkerContent(std::string_view schedule);

// Whether the archive at `url` is a newer release worth offering: its two
// version digits (before the last four characters) exceed the program's
// minor version, and it is an http or https address, https when the schedule
// came from an https `site`.
bool offersUpdate(std::string_view url, std::string_view site);
