// The locale table: lookups by LCID and name, what holds for every record, and
// long dates written with each locale's pattern and names.
#include "script/vbscript/locale_table.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vbs {
namespace {

TEST(Locales, Lookups)
{
    EXPECT_EQ(localeTable().front().locale.lcid, 1033);
    EXPECT_EQ(localeTable().front().locale.monthNames, englishUS().monthNames);
    EXPECT_EQ(localeTable().front().locale.clock24, englishUS().clock24);
    EXPECT_EQ(findLocale(9999), nullptr);
    EXPECT_EQ(findLocale(u"xx-yy"), nullptr);
    EXPECT_EQ(findLocale(u""), nullptr);
    Locale unknown;
    unknown.lcid = 4242;
    EXPECT_EQ(localeRecord(unknown).locale.lcid, 1033);
    ASSERT_NE(findLocale(u"DE"), nullptr);
    EXPECT_EQ(findLocale(u"DE")->locale.lcid, 1031);
    EXPECT_EQ(findLocale(u"ES-es_TRADNL"), findLocale(1034));

    std::set<int> ids;
    for (const LocaleRecord &r : localeTable()) {
        SCOPED_TRACE(r.locale.lcid);
        EXPECT_TRUE(ids.insert(r.locale.lcid).second);
        EXPECT_EQ(findLocale(r.tag), &r);
        EXPECT_EQ(findLocale(r.locale.lcid), &r);
        EXPECT_EQ(r.numbers.decimal, r.locale.decimalSeparator[0]);
        for (const auto &name : r.locale.monthNames)
            EXPECT_FALSE(name.empty());
        for (const auto &name : r.locale.dayAbbrevs)
            EXPECT_FALSE(name.empty());
    }
}

TEST(Locales, LongDatePatterns)
{
    // 2024-01-05 was a Friday (weekday index 5 counting from Sunday = 0).
    const std::pair<int, const char *> rows[] = {{1033, "Friday, January 5, 2024"}, {2057, "05 January 2024"},
                                                 {1031, "Freitag, 5. Januar 2024"},
                                                 {3082, "viernes, 5 de enero de 2024"}, {1041, "2024年1月5日"}};
    for (const auto &[lcid, expected] : rows) {
        const LocaleRecord *r = findLocale(lcid);
        ASSERT_NE(r, nullptr) << lcid;
        EXPECT_EQ(toUtf8(expandDatePattern(r->longDatePattern, 2024, 1, 5, 5, r->locale)), expected);
    }
    EXPECT_EQ(toUtf8(expandDatePattern(u"ddd MMM yy 'x'", 2009, 12, 31, 4, englishUS())), "Thu Dec 09 x");
}

} // namespace
} // namespace vbs
