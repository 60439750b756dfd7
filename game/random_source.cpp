// Seedable pseudo-random numbers whose sequence is the same on every platform.
#include "random_source.h"

#include <chrono>

namespace pairfinder {

std::int64_t SystemSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

RandomSource::RandomSource(SecondsClock clock, DrawScript script)
    : Clock(std::move(clock)), Script(std::move(script)) {}

void RandomSource::SeedRandom() {
    // Reduce to 32 bits first: uint_fast32_t is 64 bits wide on some platforms and 32 on others,
    // and the engine reduces its seed modulo 2^31-1, so the same second must reach it as the same number.
    // No cast to uint_fast32_t: on a platform where it is uint32_t that cast would be one to the same type.
    const auto seconds = static_cast<std::uint64_t>(Clock());
    const auto low = static_cast<std::uint32_t>(seconds & 0xFFFFFFFFu);
    Engine.seed(low);
}

std::int32_t RandomSource::RandomBelow(std::int32_t n) {
    // The engine's own type throughout: draws are below 2^31, so the remainder fits the result.
    const std::minstd_rand::result_type draw = Script ? Script() : Engine();
    if (n <= 0) return 0;
    return static_cast<std::int32_t>(draw % static_cast<std::minstd_rand::result_type>(n));
}

}  // namespace pairfinder
