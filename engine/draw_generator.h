#pragma once

#include <cstdint>

// The draws of the Lotto repeat fallback: a 32-bit linear congruential
// generator, seed 0 at program start and never reseeded. Its period is the
// full 2^32 (odd increment, multiplier ≡ 1 mod 4), so every value below n is
// drawn within one period and a loop waiting for a free number ends.
class DrawGenerator
{
public:
    // The next draw, between 0 and below − 1.
    std::uint32_t next(std::uint32_t below)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * below) >> 32);
    }

    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed = 0;
};
