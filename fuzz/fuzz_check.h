#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

// The fuzzer's bytes as the text a reader is given.
inline std::string_view inputText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A property that must hold: a failure stops the run and libFuzzer keeps the input.
inline void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}
