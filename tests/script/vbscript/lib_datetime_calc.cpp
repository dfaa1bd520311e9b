// Calendar arithmetic on VBScript's Date at the edges the language cases do not
// reach: the range limits, the negative-date convention and rounding to the
// second. Serials count days since 1899-12-30.
#include "script/vbscript/datetime_calc.h"

#include <gtest/gtest.h>

#include <limits>

namespace vbs {
namespace {

TEST(DateCalc, SplitAndMakeRoundTrip)
{
    for (double serial : {-657434.0, -1.0, 0.0, 2.0, 36526.0, 45351.0, 2958465.0}) {
        const DateParts p = splitDate(serial);
        EXPECT_EQ(makeDate(p.year, p.month, p.day), serial) << serial;
    }
    EXPECT_FALSE(makeDate(2023, 2, 29));
    EXPECT_FALSE(makeDate(2024, 13, 1));
    EXPECT_TRUE(makeDate(2000, 2, 29));
    EXPECT_FALSE(makeDate(1900, 2, 29));
}

TEST(DateCalc, Limits)
{
    EXPECT_EQ(dateSerial(100, 1, 1), -657434.0);
    EXPECT_EQ(dateSerial(9999, 12, 31), 2958465.0);
    EXPECT_FALSE(dateSerial(100, 1, 0));
    EXPECT_FALSE(dateSerial(9999, 12, 32));
    EXPECT_FALSE(dateSerial(2000, 1, 2000000000));
    EXPECT_FALSE(dateAdd(DateInterval::Second, 4000000000000LL, 0.0));
    EXPECT_FALSE(dateAdd(DateInterval::Year, -1, -657434.0));
    EXPECT_TRUE(isValidDateSerial(-657434.99));
    EXPECT_TRUE(isValidDateSerial(2958465.99));
    EXPECT_FALSE(isValidDateSerial(-657435.0));
    EXPECT_FALSE(isValidDateSerial(2958466.0));
    EXPECT_FALSE(isValidDateSerial(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(parseDateInterval("yy"));
}

TEST(DateCalc, NegativeDatesAndRounding)
{
    // 1899-12-30 02:00 minus three hours is 1899-12-29 23:00.
    const auto back = dateAdd(DateInterval::Hour, -3, 2.0 / 24.0);
    ASSERT_TRUE(back);
    EXPECT_DOUBLE_EQ(*back, -1.0 - 23.0 / 24.0);
    EXPECT_EQ(dateDiff(DateInterval::Hour, -1.25, 0.25, 1), 24);
    const DateParts rounded = splitDate(36526.0 + 0.9999999);
    EXPECT_EQ(rounded.day, 2);
    EXPECT_EQ(rounded.hour, 0);
    // 2007-12-31 and 2024-12-30 are Mondays in week 53.
    EXPECT_EQ(datePart(DateInterval::Week, 39447.0, 2, 2), 53);
    EXPECT_EQ(datePart(DateInterval::Week, 45656.0, 1, 1), 53);
}

} // namespace
} // namespace vbs
