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

std::optional<Between> findBetween(std::string_view text, std::string_view open,
                                   std::string_view close, std::size_t from) {
    const auto openAt = findFrom(text, open, from);
    if (!openAt) {
        return std::nullopt;
    }
    const std::size_t start = *openAt + open.size();
    const auto closeAt = findFrom(text, close, start);
    if (!closeAt) {
        return std::nullopt;
    }
    return Between{text.substr(start, *closeAt - start), *openAt, *closeAt};
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
