// Calendar arithmetic on VBScript's Date. Expected serials were worked out
// with an independent calendar (days since 1899-12-30).
#include "script/vbscript/datetime_calc.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vbs {
namespace {

// ---- DateSerial ---------------------------------------------------------

struct SerialRow
{
    const char *name;
    std::int64_t year, month, day;
    std::optional<double> expected;
};

class DateSerialRows : public testing::TestWithParam<SerialRow> {};

TEST_P(DateSerialRows, Computes)
{
    const SerialRow &row = GetParam();
    EXPECT_EQ(dateSerial(row.year, row.month, row.day), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DateCalc, DateSerialRows,
    testing::Values(SerialRow{"y2k", 2000, 1, 1, 36526.0}, SerialRow{"first1900", 1900, 1, 1, 2.0},
                    SerialRow{"epoch", 1899, 12, 30, 0.0}, SerialRow{"dayBeforeEpoch", 1899, 12, 29, -1.0},
                    SerialRow{"month13", 2023, 13, 1, 45292.0}, SerialRow{"day0", 2024, 3, 0, 45351.0},
                    SerialRow{"dayNegative", 2024, 1, -1, 45290.0}, SerialRow{"month0", 2024, 0, 1, 45261.0},
                    SerialRow{"monthNegative", 2024, -11, 1, 44927.0}, SerialRow{"day366", 2023, 1, 366, 45292.0},
                    SerialRow{"twoDigit00", 0, 1, 1, 36526.0}, SerialRow{"twoDigit29", 29, 1, 1, 47119.0},
                    SerialRow{"twoDigit30", 30, 1, 1, 10959.0}, SerialRow{"twoDigit99", 99, 12, 31, 36525.0},
                    SerialRow{"minimum", 100, 1, 1, -657434.0}, SerialRow{"maximum", 9999, 12, 31, 2958465.0},
                    SerialRow{"beforeMinimum", 100, 1, 0, std::nullopt},
                    SerialRow{"afterMaximum", 9999, 12, 32, std::nullopt},
                    SerialRow{"year10000", 10000, 1, 1, std::nullopt},
                    SerialRow{"negativeYear", -1, 1, 1, std::nullopt},
                    SerialRow{"hugeDay", 2000, 1, 2000000000, std::nullopt}),
    [](const testing::TestParamInfo<SerialRow> &info) { return std::string(info.param.name); });

// ---- TimeSerial ---------------------------------------------------------

TEST(DateCalc, TimeSerialNoon) { EXPECT_EQ(timeSerial(12, 0, 0), 0.5); }

TEST(DateCalc, TimeSerialOverflowingMinutes)
{
    const DateParts p = splitDate(*timeSerial(1, 90, 0));
    EXPECT_EQ(p.hour, 2);
    EXPECT_EQ(p.minute, 30);
    EXPECT_EQ(p.day, 30);
}

TEST(DateCalc, TimeSerialNegativeGoesToPreviousDay)
{
    const auto serial = timeSerial(0, 0, -1);
    ASSERT_TRUE(serial);
    EXPECT_LT(*serial, -1.0);
    const DateParts p = splitDate(*serial);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 59);
}

TEST(DateCalc, TimeSerialPast24Hours) { EXPECT_EQ(timeSerial(36, 0, 0), 1.5); }

// ---- the negative-date convention ---------------------------------------

TEST(DateCalc, NegativeFractionCountsForward)
{
    const DateParts p = splitDate(-1.25);
    EXPECT_EQ(p.year, 1899);
    EXPECT_EQ(p.month, 12);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 6);
}

TEST(DateCalc, MinusHalfIsEpochNoon)
{
    const DateParts p = splitDate(-0.5);
    EXPECT_EQ(p.day, 30);
    EXPECT_EQ(p.hour, 12);
}

TEST(DateCalc, HoursAcrossTheEpochBackwards)
{
    // 1899-12-30 02:00 minus three hours is 1899-12-29 23:00.
    const auto serial = dateAdd(DateInterval::Hour, -3, 2.0 / 24.0);
    ASSERT_TRUE(serial);
    EXPECT_DOUBLE_EQ(*serial, -1.0 - 23.0 / 24.0);
}

TEST(DateCalc, TimeRoundsToTheSecond)
{
    const DateParts p = splitDate(36526.0 + 0.9999999);
    EXPECT_EQ(p.day, 2);
    EXPECT_EQ(p.hour, 0);
}

TEST(DateCalc, ValidRange)
{
    EXPECT_TRUE(isValidDateSerial(-657434.99));
    EXPECT_TRUE(isValidDateSerial(2958465.99));
    EXPECT_FALSE(isValidDateSerial(-657435.0));
    EXPECT_FALSE(isValidDateSerial(2958466.0));
    EXPECT_FALSE(isValidDateSerial(std::numeric_limits<double>::quiet_NaN()));
}

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

// ---- DateAdd ------------------------------------------------------------

struct AddRow
{
    const char *name;
    const char *interval;
    std::int64_t number;
    double date;
    std::optional<double> expected;
};

class DateAddRows : public testing::TestWithParam<AddRow> {};

TEST_P(DateAddRows, Computes)
{
    const AddRow &row = GetParam();
    const auto interval = parseDateInterval(row.interval);
    ASSERT_TRUE(interval);
    const auto result = dateAdd(*interval, row.number, row.date);
    ASSERT_EQ(result.has_value(), row.expected.has_value());
    if (result) {
        EXPECT_DOUBLE_EQ(*result, *row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    DateCalc, DateAddRows,
    testing::Values(AddRow{"monthEndClamps", "m", 1, 45322.0 /*2024-01-31*/, 45351.0 /*02-29*/},
                    AddRow{"monthEndNonLeap", "m", 1, 44957.0 /*2023-01-31*/, 44985.0 /*02-28*/},
                    AddRow{"monthBackClamps", "m", -1, 45382.0 /*2024-03-31*/, 45351.0},
                    AddRow{"yearFromLeapDay", "yyyy", 1, 45351.0, 45716.0 /*2025-02-28*/},
                    AddRow{"quarter", "q", 1, 45322.0, 45412.0 /*2024-04-30*/},
                    AddRow{"days", "d", 2, 36526.0, 36528.0}, AddRow{"dayOfYear", "y", -1, 36526.0, 36525.0},
                    AddRow{"weekdayAddsDays", "w", 3, 36526.0, 36529.0},
                    AddRow{"weeks", "ww", 2, 36526.0, 36540.0},
                    AddRow{"hoursKeepDate", "h", 36, 36526.0, 36527.5},
                    AddRow{"minutes", "n", 90, 36526.0, 36526.0 + 1.5 / 24},
                    AddRow{"seconds", "s", -1, 36526.0, 36525.0 + 86399.0 / 86400},
                    AddRow{"keepsTime", "m", 1, 36526.25, 36557.25},
                    AddRow{"upperBound", "d", 1, 2958465.0, std::nullopt},
                    AddRow{"lowerBound", "yyyy", -1, -657434.0, std::nullopt},
                    AddRow{"hugeNumber", "s", 4000000000000LL, 0.0, std::nullopt}),
    [](const testing::TestParamInfo<AddRow> &info) { return std::string(info.param.name); });

// ---- DateDiff -----------------------------------------------------------

struct DiffRow
{
    const char *name;
    const char *interval;
    double date1, date2;
    int firstDayOfWeek;
    std::int64_t expected;
};

class DateDiffRows : public testing::TestWithParam<DiffRow> {};

TEST_P(DateDiffRows, Computes)
{
    const DiffRow &row = GetParam();
    EXPECT_EQ(dateDiff(*parseDateInterval(row.interval), row.date1, row.date2, row.firstDayOfWeek), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DateCalc, DateDiffRows,
    testing::Values(DiffRow{"yearBoundary", "yyyy", 45290.0 /*2023-12-30*/, 45292.0 /*2024-01-01*/, 1, 1},
                    DiffRow{"yearBackwards", "yyyy", 45292.0, 45290.0, 1, -1},
                    DiffRow{"quarters", "q", 45292.0, 45382.0 /*2024-03-31*/, 1, 0},
                    DiffRow{"quarterBoundary", "q", 45290.0, 45292.0, 1, 1},
                    DiffRow{"months", "m", 45322.0 /*01-31*/, 45351.0 /*02-29*/, 1, 1},
                    DiffRow{"daysIgnoreTime", "d", 36526.9, 36527.1, 1, 1},
                    DiffRow{"dayOfYearAsDays", "y", 36526.0, 36536.0, 1, 10},
                    DiffRow{"weekdaysTruncate", "w", 36526.0, 36539.0, 1, 1},
                    DiffRow{"calendarWeeksSunday", "ww", 36526.0 /*Sat*/, 36527.0 /*Sun*/, 1, 1},
                    DiffRow{"calendarWeeksMonday", "ww", 36526.0, 36527.0, 2, 0},
                    DiffRow{"calendarWeeksMondayNext", "ww", 36526.0, 36528.0, 2, 1},
                    DiffRow{"hoursBoundary", "h", 36526.0 + 59.0 / 1440, 36526.0 + 61.0 / 1440, 1, 1},
                    DiffRow{"minutes", "n", 36526.0, 36527.0, 1, 1440},
                    DiffRow{"secondsNegative", "s", 36527.0, 36526.0, 1, -86400},
                    DiffRow{"acrossEpoch", "h", -1.25 /*1899-12-29 06:00*/, 0.25, 1, 24}),
    [](const testing::TestParamInfo<DiffRow> &info) { return std::string(info.param.name); });

// ---- DatePart and Weekday -----------------------------------------------

struct PartRow
{
    const char *name;
    const char *interval;
    double date;
    int firstDayOfWeek, firstWeekOfYear;
    int expected;
};

class DatePartRows : public testing::TestWithParam<PartRow> {};

TEST_P(DatePartRows, Computes)
{
    const PartRow &row = GetParam();
    EXPECT_EQ(datePart(*parseDateInterval(row.interval), row.date, row.firstDayOfWeek, row.firstWeekOfYear),
              row.expected);
}

// 2000-01-01 (36526) was a Saturday; 2021-01-01 (44197) a Friday;
// 2007-12-31 (39447) a Monday; 2024-12-30 (45656) a Monday.
INSTANTIATE_TEST_SUITE_P(
    DateCalc, DatePartRows,
    testing::Values(PartRow{"year", "yyyy", 36526.0, 1, 1, 2000}, PartRow{"quarter", "q", 45382.0, 1, 1, 1},
                    PartRow{"month", "m", 45351.0, 1, 1, 2}, PartRow{"dayOfYearLeap", "y", 45382.0, 1, 1, 91},
                    PartRow{"day", "d", 45351.0, 1, 1, 29}, PartRow{"weekdaySunday", "w", 36526.0, 1, 1, 7},
                    PartRow{"weekdayMonday", "w", 36526.0, 2, 1, 6}, PartRow{"hour", "h", 36526.75, 1, 1, 18},
                    PartRow{"minute", "n", 36526.0 + 61.0 / 1440, 1, 1, 1},
                    PartRow{"second", "s", 36526.0 + 61.0 / 86400, 1, 1, 1},
                    PartRow{"weekJan1", "ww", 36526.0, 1, 1, 1},
                    PartRow{"weekJan1SecondWeek", "ww", 36527.0, 1, 1, 2},
                    PartRow{"weekFourDaysPrevYear", "ww", 44197.0, 2, 2, 53},
                    PartRow{"weekFourDaysWeek1", "ww", 44200.0 /*2021-01-04*/, 2, 2, 1},
                    PartRow{"weekFullWeekPrevYear", "ww", 36526.0, 1, 3, 52},
                    PartRow{"weekFullWeek1", "ww", 36527.0, 1, 3, 1},
                    PartRow{"weekYearEnd", "ww", 39447.0, 2, 2, 53},
                    PartRow{"weekYearEndJan1", "ww", 45656.0, 1, 1, 53}),
    [](const testing::TestParamInfo<PartRow> &info) { return std::string(info.param.name); });

TEST(DateCalc, WeekdayCountsFromFirstDay)
{
    // 2024-01-01 was a Monday.
    EXPECT_EQ(weekday(45292.0, 1), 2);
    EXPECT_EQ(weekday(45292.0, 2), 1);
    EXPECT_EQ(weekday(45292.0, 7), 3);
    EXPECT_EQ(weekday(-1.0, 1), 6); // 1899-12-29, a Friday
}

TEST(DateCalc, IntervalNames)
{
    EXPECT_EQ(parseDateInterval("YYYY"), DateInterval::Year);
    EXPECT_EQ(parseDateInterval("Ww"), DateInterval::Week);
    EXPECT_FALSE(parseDateInterval("yy"));
    EXPECT_FALSE(parseDateInterval(""));
}

} // namespace
} // namespace vbs
