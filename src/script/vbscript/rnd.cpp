#include "rnd.h"

#include <cstring>

namespace vbs {

namespace {

constexpr std::uint32_t kMultiplier = 0x43FD43FDu;
constexpr std::uint32_t kIncrement = 0xC39EC3u;
constexpr std::uint32_t kMask = 0xFFFFFFu;

float scaled(std::uint32_t seed) { return static_cast<float>(seed) / 16777216.0f; }

} // namespace

float RndGenerator::next()
{
    m_seed = (m_seed * kMultiplier + kIncrement) & kMask;
    return scaled(m_seed);
}

float RndGenerator::withArgument(float number)
{
    if (number == 0.0f)
        return scaled(m_seed);
    if (number < 0.0f) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        m_seed = (bits + (bits >> 24)) & kMask;
    }
    return next();
}

void RndGenerator::randomize(double number)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &number, sizeof bits);
    const auto high = static_cast<std::uint32_t>(bits >> 32);
    const std::uint32_t mixed = ((high & 0xFFFFu) ^ (high >> 16)) << 8;
    m_seed = (m_seed & 0xFF0000FFu) | (mixed & 0x00FFFF00u);
    m_seed &= kMask;
}

} // namespace vbs
