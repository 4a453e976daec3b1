#pragma once
// A tiny seeded generator. The standard distributions differ between library
// implementations, so the mapping to numbers is done here to keep the
// pictures identical wherever they are regenerated.

#include <cstdint>

namespace mkart {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [lo, hi).
    double uniform(double lo, double hi)
    {
        const double unit = double(next() >> 11) * (1.0 / 9007199254740992.0);
        return lo + (hi - lo) * unit;
    }

private:
    std::uint64_t state_;
};

} // namespace mkart
