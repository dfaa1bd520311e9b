#pragma once

// VBScript's random number generator: a 24-bit linear congruential generator
// (x = (x * 0x43FD43FD + 0xC39EC3) mod 2^24, value x / 2^24) that starts from
// the seed 0x50000, so a script that never calls Randomize sees the same
// sequence on every run, and Randomize n followed by Rnd(-k) repeats one.

#include <cstdint>

namespace vbs {

class RndGenerator
{
public:
    // Rnd(): the next value in the sequence, 0 <= value < 1.
    float next();

    // Rnd(number): a negative number reseeds from the bits of its Single
    // value and returns the first value of that sequence (the same for the
    // same number every time); zero repeats the value returned last; a
    // positive number is the same as next().
    float withArgument(float number);

    // Randomize number: mixes the high bits of the Double into bits 8..23 of
    // the seed, keeping its low byte; the same number does not restart
    // a sequence unless the generator was reseeded first with Rnd(negative).
    void randomize(double number);

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed & 0xFFFFFFu; }

private:
    std::uint32_t m_seed = 0x50000u;
};

} // namespace vbs
