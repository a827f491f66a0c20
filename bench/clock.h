#pragma once

#include <cstdint>
#include <ctime>

namespace bench {

// CLOCK_MONOTONIC is one clock for every process of the machine, so a child's
// stamp can be set against the moment its parent started it.
inline std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace bench
