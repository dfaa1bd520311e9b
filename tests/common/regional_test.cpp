#include "errorcore/error.h"
#include "common/regional.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Runs a test under another default locale and puts the old one back.
struct LocaleGuard
{
    explicit LocaleGuard(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    QLocale saved;
};

struct TextRow
{
    const char *name;
    QLocale::Language language;
    QLocale::Territory territory;
    double value;
    const char *text;
};

class DoubleText : public ::testing::TestWithParam<TextRow> {};

TEST_P(DoubleText, WritesTheGeneralFormAndReadsItBack)
{
    const TextRow &row = GetParam();
    LocaleGuard guard(QLocale(row.language, row.territory));
    EXPECT_EQ(doubleToText(row.value), QString::fromUtf8(row.text));
    double back = 0;
    ASSERT_TRUE(textToDouble(QString::fromUtf8(row.text), &back));
    EXPECT_EQ(back, row.value);
}

INSTANTIATE_TEST_SUITE_P(Regional, DoubleText, ::testing::Values(
    TextRow{"EnglishFraction", QLocale::English, QLocale::UnitedStates, 1.5, "1.5"},
    TextRow{"GermanFraction", QLocale::German, QLocale::Germany, 1.5, "1,5"},
    TextRow{"SpanishNegative", QLocale::Spanish, QLocale::Spain, -85.25, "-85,25"},
    TextRow{"Whole", QLocale::English, QLocale::UnitedStates, 95, "95"},
    TextRow{"NoGrouping", QLocale::English, QLocale::UnitedStates, 1234567, "1234567"},
    TextRow{"BigExponent", QLocale::English, QLocale::UnitedStates, 1e20, "1E+20"},
    TextRow{"SmallExponent", QLocale::English, QLocale::UnitedStates, 1e-5, "1E-05"},
    TextRow{"SmallPlain", QLocale::English, QLocale::UnitedStates, 0.0001, "0.0001"},
    TextRow{"Zero", QLocale::German, QLocale::Germany, 0, "0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Regional, AtMostFifteenSignificantDigits)
{
    LocaleGuard guard(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(doubleToText(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(doubleToText(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(doubleToText(123456789012345678.0), QStringLiteral("1.23456789012346E+17"));
}

TEST(Regional, ReadsTheCFormUnderACommaLocale)
{
    LocaleGuard guard(QLocale(QLocale::German, QLocale::Germany));
    double value = 0;
    ASSERT_TRUE(textToDouble(QStringLiteral("85.5"), &value));
    EXPECT_EQ(value, 85.5);
}

TEST(Regional, RejectsWhatIsNotANumber)
{
    for (const char *text : {"", "   ", "abc", "1.5x", "nan", "inf", "--1", "1e999"})
        EXPECT_FALSE(textToDouble(QString::fromLatin1(text), nullptr)) << text;
}

TEST(Regional, IgnoresSurroundingBlanks)
{
    double value = 0;
    ASSERT_TRUE(textToDouble(QStringLiteral("  42 \t"), &value));
    EXPECT_EQ(value, 42);
}

struct RoundRow
{
    double value;
    int expected;
};

class RoundHalfEven : public ::testing::TestWithParam<RoundRow> {};

TEST_P(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Regional, RoundHalfEven, ::testing::Values(
    RoundRow{2.5, 2}, RoundRow{3.5, 4}, RoundRow{-2.5, -2}, RoundRow{-3.5, -4}, RoundRow{0.5, 0},
    RoundRow{1.4999, 1}, RoundRow{1.5001, 2}, RoundRow{2147483647.0, 2147483647},
    RoundRow{-2147483648.0, -2147483647 - 1}, RoundRow{2147483647.4, 2147483647}));

TEST(Regional, RoundingOutsideThe32BitRangeOverflows)
{
    for (double value : {2147483647.5, 3e9, -2147483649.0, std::nan("")}) {
        try {
            roundToInt32(value);
            ADD_FAILURE() << value;
        } catch (const Error &e) {
            EXPECT_EQ(e.number, 6);
        }
    }
}

} // namespace

namespace {

struct PlainRow
{
    const char *locale;
    double value;
    const char *text;
};

class PlainText : public ::testing::TestWithParam<PlainRow>
{
};

// What a numeric box shows: plain decimals for ordinary magnitudes.
TEST_P(PlainText, WritesOrdinaryNumbersWithoutAnExponent)
{
    LocaleGuard guard{QLocale(QLatin1String(GetParam().locale))};
    EXPECT_EQ(doubleToPlainText(GetParam().value), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Regional, PlainText, ::testing::Values(
    PlainRow{"es_ES", 12.5, "12,5"}, PlainRow{"en_US", 12.5, "12.5"}, PlainRow{"en_US", 125, "125"},
    PlainRow{"es_ES", -0.00001, "-0,00001"}, PlainRow{"en_US", 0.1 + 0.2, "0.3"},
    PlainRow{"en_US", 123456789012345.0, "123456789012345"}, PlainRow{"en_US", 1e20, "1E+20"},
    PlainRow{"en_US", 0, "0"}));

} // namespace
