#include "errorcore/error.h"
#include "common/regional.h"
#include "expecterror.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// Runs a test under another default locale and puts the old one back.
struct LocaleGuard
{
    explicit LocaleGuard(const char *name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    QLocale saved;
};

// The general form (at most 15 significant digits) reads back as itself; a
// numeric box shows ordinary magnitudes as plain decimals.
TEST(Regional, WritesTheGeneralAndThePlainFormAndReadsThemBack)
{
    // Locale, value, its general form and its plain form (null: the same).
    const std::tuple<const char *, double, const char *, const char *> rows[] = {
        {"de_DE", 1.5, "1,5", nullptr},
        {"es_ES", -85.25, "-85,25", nullptr},
        {"en_US", 1234567, "1234567", nullptr},
        {"en_US", 2e15, "2E+15", nullptr},
        {"en_US", 1e20, "1E+20", nullptr},
        {"es_ES", -1e-5, "-1E-05", "-0,00001"},
        {"en_US", 0.0001, "0.0001", nullptr},
        {"de_DE", 0, "0", nullptr},
        {"en_US", 2.0 / 3.0, "0.666666666666667", nullptr},
        {"en_US", 0.1 + 0.2, "0.3", nullptr},
        {"en_US", 123456789012345.0, "123456789012345", nullptr},
        {"en_US", 123456789012345678.0, "1.23456789012346E+17", nullptr},
    };
    for (const auto &[locale, value, text, plain] : rows) {
        SCOPED_TRACE(text);
        LocaleGuard guard(locale);
        EXPECT_EQ(doubleToText(value), QString::fromUtf8(text));
        EXPECT_EQ(doubleToPlainText(value), QString::fromUtf8(plain ? plain : text));
        double back = 0;
        ASSERT_TRUE(textToDouble(QString::fromUtf8(text), &back));
        EXPECT_EQ(doubleToText(back), QString::fromUtf8(text));
    }
}

TEST(Regional, ReadsTheCFormAndBlanksAndRejectsWhatIsNotANumber)
{
    LocaleGuard guard("de_DE");
    double value = 0;
    ASSERT_TRUE(textToDouble(QStringLiteral("85.5"), &value));
    EXPECT_EQ(value, 85.5);
    ASSERT_TRUE(textToDouble(QStringLiteral("  42 \t"), &value));
    EXPECT_EQ(value, 42);
    for (const char *text : {"", "   ", "abc", "1.5x", "nan", "inf", "--1", "1e999"})
        EXPECT_FALSE(textToDouble(QString::fromLatin1(text), nullptr)) << text;
}

TEST(Regional, RoundsHalvesToTheEvenNeighbourWithinThe32BitRange)
{
    const std::pair<double, int> rows[] = {{2.5, 2},    {3.5, 4},    {-2.5, -2},   {-3.5, -4},
                                           {0.5, 0},    {1.4999, 1}, {1.5001, 2},  {2147483647.4, 2147483647},
                                           {-2147483648.0, -2147483647 - 1}};
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(roundToInt32(value), expected) << value;
    for (double value : {2147483647.5, 3e9, -2147483649.0, std::nan("")})
        expectError(6, [&] { roundToInt32(value); });
}

} // namespace
