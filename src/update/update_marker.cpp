#include "update/update_marker.h"

#include "common/text_search.h"

namespace {

constexpr std::string_view openMarker = "<!-- [Update] ";
constexpr std::string_view closeMarker = " [Update] -->";
// A marker opening within the first six characters does not count.
constexpr std::size_t firstHonouredIndex = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSecure(std::string_view url) {
    return toLowerAscii(url.substr(0, 8)) == "https://";
}

bool isWebAddress(std::string_view url) {
    return isSecure(url) || toLowerAscii(url.substr(0, 7)) == "http://";
}

} // namespace

std::optional<std::string> updateMarkerContent(std::string_view schedule) {
    const auto marker = findBetween(schedule, openMarker, closeMarker);
    if (!marker || marker->openAt < firstHonouredIndex) {
        return std::nullopt;
    }
    return std::string(marker->text);
}

bool offersUpdate(std::string_view url, std::string_view site) {
    // "...Update06.zip": the version digits stand sixth and fifth from the end.
    if (url.size() < 6 || !isWebAddress(url)) {
        return false;
    }
    // A site reached securely never sends the user to an archive that is not.
    if (isSecure(site) && !isSecure(url)) {
        return false;
    }
    const char tens = url[url.size() - 6];
    const char units = url[url.size() - 5];
    if (!isDigit(tens) || !isDigit(units)) {
        return false;
    }
    return (tens - '0') * 10 + (units - '0') > programMinorVersion;
}
