#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Case-sensitive search from a 0-based position; nothing when `what` does not
// occur at or after `from` (also when `from` lies past the end).
std::optional<std::size_t> findFrom(std::string_view text, std::string_view what,
                                    std::size_t from = 0);

std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);
