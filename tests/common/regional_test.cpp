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

// The general form (at most 15 significant digits); a numeric box shows
// ordinary magnitudes as plain decimals; a document holds the general form
// with a point whatever the locale, and reads it back as the same number.
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
        const QString document = doubleToDocumentText(value);
        EXPECT_EQ(document, QString::fromUtf8(text).replace(u',', u'.'));
        double back = 0;
        ASSERT_EQ(documentTextToDouble(document, &back), DocumentNumber::Invariant);
        EXPECT_EQ(doubleToDocumentText(back), document);
    }
}

// A document's number reads the same on every machine: the point always, a
// decimal comma only where it cannot be anything else, never a grouping.
TEST(Regional, ReadsADocumentsNumberTheSameUnderEveryLocale)
{
    using enum DocumentNumber;
    const std::tuple<const char *, DocumentNumber, double> rows[] = {
        {"86.25", Invariant, 86.25}, {"  42 \t", Invariant, 42}, {"-1E+20", Invariant, -1e20}, {".5", Invariant, 0.5},
        {"86,25", Regional, 86.25}, {"-1,5E-05", Regional, -1.5e-5}, {"1,500", Regional, 1.5}, {"", NotANumber, 0},
        {"1.500,5", NotANumber, 0}, {"1,500,000", NotANumber, 0}, {",5", NotANumber, 0}, {"5,", NotANumber, 0},
        {"1 500", NotANumber, 0}, {"abc", NotANumber, 0}, {"nan", NotANumber, 0}, {"1e999", NotANumber, 0},
    };
    for (const char *locale : {"C", "en_US", "es_ES", "de_CH"}) {
        LocaleGuard guard(locale);
        for (const auto &[text, kind, expected] : rows) {
            SCOPED_TRACE(std::string(locale) + " " + text);
            double value = -7;
            EXPECT_EQ(documentTextToDouble(QString::fromUtf8(text), &value), kind);
            EXPECT_EQ(value, kind == NotANumber ? -7 : expected);
        }
    }
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
