#include "common/text_search.h"

#include <algorithm>

std::optional<std::size_t> findFrom(std::string_view text, std::string_view what,
                                    std::size_t from) {
    if (from > text.size()) {
        return std::nullopt;
    }
    const auto at = text.find(what, from);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return at;
}

std::string toLowerAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return result;
}

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return result;
}
