#pragma once

#include <cstdio>
#include <cstdlib>

namespace quandrel::fuzz {

// A broken property aborts, so libFuzzer keeps the input as a reproducer.
inline void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

} // namespace quandrel::fuzz
