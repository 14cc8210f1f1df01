#pragma once

#include <cstdint>

namespace krugovik {

// SplitMix64: the same stream of numbers from a seed on every machine and library.
class SplitMix {
  public:
    explicit SplitMix(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from 0 to bound - 1 (bound > 0); the bias of the modulo is below 2^-50 for
    // the small bounds of a draw.
    int below(int bound) { return int(next() % std::uint64_t(bound)); }

  private:
    std::uint64_t m_state;
};

} // namespace krugovik
