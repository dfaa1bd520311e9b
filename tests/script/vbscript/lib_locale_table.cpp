// The locale table: lookups by LCID and name, the data rows the formatting
// built-ins rely on, and long date patterns.
#include "script/vbscript/locale_table.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vbs {
namespace {

struct LocaleRow
{
    int lcid;
    const char *tag;
    const char *decimal;
    const char *group;
    Locale::DateOrder order;
    const char *dateSeparator;
    const char *january;
    const char *sunday;
    const char *currency;
    int firstDayOfWeek;
};

class LocaleRows : public testing::TestWithParam<LocaleRow> {};

TEST_P(LocaleRows, HoldsItsData)
{
    const LocaleRow &row = GetParam();
    const LocaleRecord *byId = findLocale(row.lcid);
    ASSERT_NE(byId, nullptr);
    EXPECT_EQ(findLocale(fromUtf8(row.tag)), byId);
    const Locale &l = byId->locale;
    EXPECT_EQ(toUtf8(l.decimalSeparator), row.decimal);
    EXPECT_EQ(toUtf8(l.groupSeparator), row.group);
    EXPECT_EQ(l.dateOrder, row.order);
    EXPECT_EQ(toUtf8(l.dateSeparator), row.dateSeparator);
    EXPECT_EQ(toUtf8(l.monthNames[0]), row.january);
    EXPECT_EQ(toUtf8(l.dayNames[0]), row.sunday);
    EXPECT_EQ(toUtf8(byId->numbers.currency), row.currency);
    EXPECT_EQ(byId->numbers.decimal, l.decimalSeparator[0]);
    EXPECT_EQ(byId->firstDayOfWeek, row.firstDayOfWeek);
}

using O = Locale::DateOrder;
INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleRows,
    testing::Values(LocaleRow{1033, "en-us", ".", ",", O::MDY, "/", "January", "Sunday", "$", 1},
                    LocaleRow{2057, "en-GB", ".", ",", O::DMY, "/", "January", "Sunday", "£", 2},
                    LocaleRow{1031, "de-de", ",", ".", O::DMY, ".", "Januar", "Sonntag", "€", 2},
                    LocaleRow{1036, "fr-fr", ",", "\xc2\xa0", O::DMY, "/", "janvier", "dimanche", "€", 2},
                    LocaleRow{3082, "es-es", ",", ".", O::DMY, "/", "enero", "domingo", "€", 2},
                    LocaleRow{1034, "es-ES_tradnl", ",", ".", O::DMY, "/", "enero", "domingo", "€", 2},
                    LocaleRow{1040, "it-it", ",", ".", O::DMY, "/", "gennaio", "domenica", "€", 2},
                    LocaleRow{1043, "nl-nl", ",", ".", O::DMY, "-", "januari", "zondag", "€", 2},
                    LocaleRow{1046, "pt-br", ",", ".", O::DMY, "/", "janeiro", "domingo", "R$", 1},
                    LocaleRow{2070, "pt-pt", ",", "\xc2\xa0", O::DMY, "/", "janeiro", "domingo", "€", 2},
                    LocaleRow{1041, "ja-jp", ".", ",", O::YMD, "/", "1月", "日曜日", "¥", 1},
                    LocaleRow{2052, "zh-cn", ".", ",", O::YMD, "/", "一月", "星期日", "¥", 2},
                    LocaleRow{1049, "ru-ru", ",", "\xc2\xa0", O::DMY, ".", "январь", "воскресенье", "₽", 2}),
    [](const testing::TestParamInfo<LocaleRow> &info) { return std::to_string(info.param.lcid); });

TEST(Locales, EnglishUSIsFirstAndMatchesTheDefault)
{
    const LocaleRecord &first = localeTable().front();
    EXPECT_EQ(first.locale.lcid, 1033);
    EXPECT_EQ(first.locale.monthNames, englishUS().monthNames);
    EXPECT_EQ(first.locale.decimalSeparator, englishUS().decimalSeparator);
    EXPECT_EQ(first.locale.clock24, englishUS().clock24);
}

TEST(Locales, UnknownOnesAreMissing)
{
    EXPECT_EQ(findLocale(9999), nullptr);
    EXPECT_EQ(findLocale(u"xx-yy"), nullptr);
    EXPECT_EQ(findLocale(u""), nullptr);
    Locale unknown;
    unknown.lcid = 4242;
    EXPECT_EQ(localeRecord(unknown).locale.lcid, 1033);
}

TEST(Locales, BareLanguageFindsItsCountry)
{
    ASSERT_NE(findLocale(u"de"), nullptr);
    EXPECT_EQ(findLocale(u"DE")->locale.lcid, 1031);
}

TEST(Locales, IdsAndTagsAreUnique)
{
    std::set<int> ids;
    std::set<std::u16string> tags;
    for (const LocaleRecord &r : localeTable()) {
        EXPECT_TRUE(ids.insert(r.locale.lcid).second) << r.locale.lcid;
        EXPECT_TRUE(tags.insert(r.tag).second);
        for (const auto &name : r.locale.monthNames)
            EXPECT_FALSE(name.empty()) << r.locale.lcid;
        for (const auto &name : r.locale.dayAbbrevs)
            EXPECT_FALSE(name.empty()) << r.locale.lcid;
    }
}

TEST(Locales, LongDatePatterns)
{
    // 2024-01-05 was a Friday (weekday index 5 counting from Sunday = 0).
    auto longDate = [](int lcid) {
        const LocaleRecord *r = findLocale(lcid);
        return toUtf8(expandDatePattern(r->longDatePattern, 2024, 1, 5, 5, r->locale));
    };
    EXPECT_EQ(longDate(1033), "Friday, January 5, 2024");
    EXPECT_EQ(longDate(2057), "05 January 2024");
    EXPECT_EQ(longDate(1031), "Freitag, 5. Januar 2024");
    EXPECT_EQ(longDate(3082), "viernes, 5 de enero de 2024");
    EXPECT_EQ(longDate(1041), "2024年1月5日");
    EXPECT_EQ(toUtf8(expandDatePattern(u"ddd MMM yy 'x'", 2009, 12, 31, 4, englishUS())), "Thu Dec 09 x");
}

} // namespace
} // namespace vbs
