// The generator scripts see: the fixed sequence without Randomize, the
// sequence after Randomize 0, and how Rnd and Randomize reseed it.
#include "script/vbscript/rnd.h"

#include <gtest/gtest.h>

namespace vbs {
namespace {

TEST(Rnd, UnseededSequenceIsAlwaysTheSame)
{
    RndGenerator rnd;
    EXPECT_FLOAT_EQ(rnd.next(), 0.7055475f);
    EXPECT_FLOAT_EQ(rnd.next(), 0.533424f);
    EXPECT_FLOAT_EQ(rnd.next(), 0.5795186f);
}

TEST(Rnd, RandomizeZeroFromStartClearsTheSeed)
{
    RndGenerator rnd;
    rnd.randomize(0.0);
    EXPECT_EQ(rnd.seed(), 0u);
    EXPECT_FLOAT_EQ(rnd.next(), 0.7641413f);
}

TEST(Rnd, ZeroRepeatsTheLastValue)
{
    RndGenerator rnd;
    const float first = rnd.next();
    EXPECT_EQ(rnd.withArgument(0.0f), first);
    EXPECT_EQ(rnd.withArgument(0.0f), first);
    EXPECT_NE(rnd.withArgument(1.0f), first);
}

TEST(Rnd, NegativeArgumentGivesTheSameValueEveryTime)
{
    RndGenerator a;
    RndGenerator b;
    b.next();
    b.next();
    EXPECT_FLOAT_EQ(a.withArgument(-1.0f), 0.224007f);
    EXPECT_EQ(b.withArgument(-1.0f), a.withArgument(-1.0f));
    EXPECT_NE(a.withArgument(-2.0f), a.withArgument(-1.0f));
}

TEST(Rnd, NegativeThenRandomizeRepeatsASequence)
{
    auto run = [] {
        RndGenerator rnd;
        rnd.next(); // state before the reseed must not matter
        rnd.withArgument(-1.0f);
        rnd.randomize(42.0);
        return std::make_pair(rnd.next(), rnd.next());
    };
    EXPECT_EQ(run(), run());
}

TEST(Rnd, RandomizeReplacesTheMiddleBitsOnly)
{
    RndGenerator rnd;
    rnd.setSeed(0xABCDEFu);
    rnd.randomize(1.5);
    EXPECT_EQ(rnd.seed() & 0xFFu, 0xEFu);
    EXPECT_NE(rnd.seed(), 0xABCDEFu);
    EXPECT_EQ(rnd.seed() >> 24, 0u);
}

TEST(Rnd, ValuesStayInTheUnitInterval)
{
    RndGenerator rnd;
    for (int i = 0; i < 100000; ++i) {
        const float v = rnd.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}

} // namespace
} // namespace vbs
