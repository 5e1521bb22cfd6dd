#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Case-sensitive search from a 0-based position; nothing when `what` does not
// occur at or after `from` (also when `from` lies past the end).
std::optional<std::size_t> findFrom(std::string_view text, std::string_view what,
                                    std::size_t from = 0);

// The text between the first `open` at or after `from` and the first
// `close` after it, with where the two were found; nothing when either is
// missing.
struct Between {
    std::string_view text;
    std::size_t openAt = 0;
    std::size_t closeAt = 0;
};
std::optional<Between> findBetween(std::string_view text, std::string_view open,
                                   std::string_view close, std::size_t from = 0);

std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);
