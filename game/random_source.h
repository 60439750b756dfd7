// Seedable pseudo-random numbers whose sequence is the same on every platform.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace pairfinder {

// Whole seconds of calendar time; tests replace it to pin a deal.
using SecondsClock = std::function<std::int64_t()>;
// Raw draws in place of the generator's, so that a test can choose every number a deal is made from.
using DrawScript = std::function<std::uint32_t()>;

std::int64_t SystemSeconds();

class RandomSource {
public:
    explicit RandomSource(SecondsClock clock = SystemSeconds, DrawScript script = {});

    void SeedRandom();
    // The next draw modulo n; 0 when n is 0 or negative.
    std::int32_t RandomBelow(std::int32_t n);

private:
    SecondsClock Clock;
    DrawScript Script;
    // minstd_rand's output is fixed by the C++ standard: 31-bit draws, identical everywhere.
    std::minstd_rand Engine;
};

}  // namespace pairfinder
