#pragma once
// The game's random source: uniform fractions in [0, 1), re-seeded from the
// clock at every board fill.

#include <chrono>
#include <cstdint>
#include <random>

namespace game {

class ClockRandom {
public:
    void randomize()
    {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        engine_.seed(static_cast<std::uint64_t>(now));
    }

    double next()
    {
        // 53 random bits: every value is exactly representable and below 1.
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

private:
    std::mt19937_64 engine_{std::random_device{}()};
};

} // namespace game
