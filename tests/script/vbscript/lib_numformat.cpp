// Number formatting at the edges the language cases do not reach: rounding of
// the digits as written, carries, long fractions, the currency and percent
// layouts of a comma-decimal style, Hex/Oct of the extremes and Round.
#include "script/vbscript/numformat.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

namespace vbs {
namespace {

NumberStyle german()
{
    NumberStyle s;
    s.decimal = u',';
    s.group = u'.';
    s.currency = u"EUR";
    s.currencyPositive = 3;
    s.currencyNegative = 8;
    return s;
}

constexpr Tristate D = Tristate::UseDefault;
constexpr Tristate T = Tristate::True;

TEST(NumFormat, Formats)
{
    enum Kind { Number, Currency, Percent };
    const struct
    {
        const char *name;
        Kind kind;
        double value;
        FormatOptions options;
        bool germanStyle;
        const char *expected;
    } rows[] = {
        {"halfAwayFromZero", Number, 2.5, {0, D, D, D}, false, "3"},
        {"decimalHalfAsWritten", Number, 1.005, {2, D, D, D}, false, "1.01"},
        {"negativeRoundsToZero", Number, -0.001, {2, D, D, D}, false, "0.00"},
        {"carryAddsDigit", Number, 999.999, {2, D, D, D}, false, "1,000.00"},
        {"smallNumber", Number, 0.000123, {5, D, D, D}, false, "0.00012"},
        {"manyDigits", Number, 1.0 / 3.0, {20, D, D, D}, false, "0.33333333333333300000"},
        {"currencyGermanParens", Currency, -1234.5, {2, D, T, D}, true, "(1.234,50 EUR)"},
        {"percentGerman", Percent, 12.3456, {1, D, D, D}, true, "1.234,6%"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const NumberStyle style = row.germanStyle ? german() : NumberStyle{};
        const auto format = row.kind == Number ? formatNumber : row.kind == Currency ? formatCurrency : formatPercent;
        EXPECT_EQ(toUtf8(format(row.value, row.options, style)), row.expected);
    }
}

TEST(NumFormat, RadixAndRound)
{
    EXPECT_EQ(toUtf8(hexText(-2147483648LL, 32)), "80000000");
    EXPECT_EQ(toUtf8(octText(-2147483648LL, 32)), "20000000000");
    EXPECT_EQ(toUtf8(octText(-1, 32)), "37777777777");
    EXPECT_DOUBLE_EQ(roundToDigits(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(roundToDigits(1.5, 3), 1.5);
    EXPECT_DOUBLE_EQ(roundToDigits(1e300, 5), 1e300);
}

} // namespace
} // namespace vbs
