// Number formatting rows: FormatNumber/Currency/Percent under a locale's
// number style, Hex/Oct and Round.
#include "script/vbscript/numformat.h"

#include <gtest/gtest.h>

#include <string>

namespace vbs {
namespace {

std::string narrow(const std::u16string &s)
{
    std::string out;
    for (char16_t c : s)
        out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}

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

enum class Kind { Number, Currency, Percent };

struct FormatRow
{
    const char *name;
    Kind kind;
    double value;
    FormatOptions options;
    bool germanStyle;
    const char *expected;
};

class FormatRows : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatRows, Formats)
{
    const FormatRow &row = GetParam();
    const NumberStyle style = row.germanStyle ? german() : NumberStyle{};
    std::u16string text;
    switch (row.kind) {
    case Kind::Number: text = formatNumber(row.value, row.options, style); break;
    case Kind::Currency: text = formatCurrency(row.value, row.options, style); break;
    case Kind::Percent: text = formatPercent(row.value, row.options, style); break;
    }
    EXPECT_EQ(narrow(text), row.expected);
}

constexpr Tristate D = Tristate::UseDefault;
constexpr Tristate T = Tristate::True;
constexpr Tristate F = Tristate::False;

INSTANTIATE_TEST_SUITE_P(
    NumFormat, FormatRows,
    testing::Values(
        FormatRow{"plain", Kind::Number, 1234567.891, {}, false, "1,234,567.89"},
        FormatRow{"zeroDigits", Kind::Number, 1234.5, {0, D, D, D}, false, "1,235"},
        FormatRow{"halfAwayFromZero", Kind::Number, 2.5, {0, D, D, D}, false, "3"},
        FormatRow{"decimalHalfAsWritten", Kind::Number, 1.005, {2, D, D, D}, false, "1.01"},
        FormatRow{"negative", Kind::Number, -1234.5, {}, false, "-1,234.50"},
        FormatRow{"negativeParens", Kind::Number, -1234.5, {2, D, T, D}, false, "(1,234.50)"},
        FormatRow{"noGrouping", Kind::Number, 1234.5, {1, D, D, F}, false, "1234.5"},
        FormatRow{"noLeadingDigit", Kind::Number, 0.5, {2, F, D, D}, false, ".50"},
        FormatRow{"leadingDigit", Kind::Number, -0.5, {2, T, D, D}, false, "-0.50"},
        FormatRow{"negativeRoundsToZero", Kind::Number, -0.001, {2, D, D, D}, false, "0.00"},
        FormatRow{"carryAddsDigit", Kind::Number, 999.999, {2, D, D, D}, false, "1,000.00"},
        FormatRow{"smallNumber", Kind::Number, 0.000123, {5, D, D, D}, false, "0.00012"},
        FormatRow{"manyDigits", Kind::Number, 1.0 / 3.0, {20, D, D, D}, false, "0.33333333333333300000"},
        FormatRow{"germanSeparators", Kind::Number, 1234567.891, {}, true, "1.234.567,89"},
        FormatRow{"currency", Kind::Currency, 1234.5, {}, false, "$1,234.50"},
        FormatRow{"currencyNegativeParens", Kind::Currency, -1234.5, {}, false, "($1,234.50)"},
        FormatRow{"currencyNegativeNoParens", Kind::Currency, -1234.5, {2, D, F, D}, false, "-$1,234.50"},
        FormatRow{"currencyGerman", Kind::Currency, -1234.5, {}, true, "-1.234,50 EUR"},
        FormatRow{"currencyGermanParens", Kind::Currency, -1234.5, {2, D, T, D}, true, "(1.234,50 EUR)"},
        FormatRow{"percent", Kind::Percent, 0.256, {}, false, "25.60%"},
        FormatRow{"percentNegativeParens", Kind::Percent, -0.5, {0, D, T, D}, false, "(50%)"},
        FormatRow{"percentGerman", Kind::Percent, 12.3456, {1, D, D, D}, true, "1.234,6%"}),
    [](const testing::TestParamInfo<FormatRow> &info) { return std::string(info.param.name); });

struct RadixRow
{
    const char *name;
    std::int64_t value;
    int bits;
    const char *hex;
    const char *oct;
};

class RadixRows : public testing::TestWithParam<RadixRow> {};

TEST_P(RadixRows, Writes)
{
    const RadixRow &row = GetParam();
    EXPECT_EQ(narrow(hexText(row.value, row.bits)), row.hex);
    EXPECT_EQ(narrow(octText(row.value, row.bits)), row.oct);
}

INSTANTIATE_TEST_SUITE_P(NumFormat, RadixRows,
                         testing::Values(RadixRow{"zero", 0, 32, "0", "0"}, RadixRow{"byte", 255, 16, "FF", "377"},
                                         RadixRow{"integerMinusOne", -1, 16, "FFFF", "177777"},
                                         RadixRow{"longMinusOne", -1, 32, "FFFFFFFF", "37777777777"},
                                         RadixRow{"longMin", -2147483648LL, 32, "80000000", "20000000000"},
                                         RadixRow{"positive", 48879, 32, "BEEF", "137357"}),
                         [](const testing::TestParamInfo<RadixRow> &info) { return std::string(info.param.name); });

struct RoundRow
{
    const char *name;
    double value;
    int digits;
    double expected;
};

class RoundRows : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundRows, Rounds)
{
    const RoundRow &row = GetParam();
    EXPECT_DOUBLE_EQ(roundToDigits(row.value, row.digits), row.expected);
}

INSTANTIATE_TEST_SUITE_P(NumFormat, RoundRows,
                         testing::Values(RoundRow{"halfDown", 2.5, 0, 2.0}, RoundRow{"halfUp", 3.5, 0, 4.0},
                                         RoundRow{"negativeHalf", -2.5, 0, -2.0}, RoundRow{"plain", 2.4, 0, 2.0},
                                         RoundRow{"digitsHalfEven", 0.125, 2, 0.12},
                                         RoundRow{"digitsHalfOdd", 0.375, 2, 0.38},
                                         RoundRow{"digitsNoChange", 1.5, 3, 1.5},
                                         RoundRow{"hugeUnchanged", 1e300, 5, 1e300}),
                         [](const testing::TestParamInfo<RoundRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace vbs
