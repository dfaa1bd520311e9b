// The generator's state where scripts cannot see it: which bits Randomize
// replaces, that a negative argument reseeds from the argument alone, and the
// range over a long run.
#include "script/vbscript/rnd.h"

#include <gtest/gtest.h>

namespace vbs {
namespace {

TEST(Rnd, Seeding)
{
    RndGenerator rnd;
    rnd.setSeed(0xABCDEFu);
    rnd.randomize(1.5);
    EXPECT_EQ(rnd.seed() & 0xFFu, 0xEFu);
    EXPECT_NE(rnd.seed(), 0xABCDEFu);
    EXPECT_EQ(rnd.seed() >> 24, 0u);

    RndGenerator fresh;
    EXPECT_EQ(rnd.withArgument(-1.0f), fresh.withArgument(-1.0f));
    EXPECT_NE(fresh.withArgument(-2.0f), fresh.withArgument(-1.0f));
    for (int i = 0; i < 100000; ++i) {
        const float v = fresh.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}

} // namespace
} // namespace vbs
