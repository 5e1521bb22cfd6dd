#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

// A property that must hold: a failure stops the run and libFuzzer keeps the input.
inline void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Each target checks its properties on the fuzzer's bytes as the text a reader is given.
void fuzzText(std::string_view text);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzText({reinterpret_cast<const char*>(data), size});
    return 0;
}
