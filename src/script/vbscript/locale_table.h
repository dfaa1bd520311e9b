#pragma once

// The locales SetLocale knows: for each, the Locale that conversions use
// plus what the formatting built-ins need beyond it (number and currency
// style, week rules, the long date pattern).

#include "locale.h"
#include "numformat.h"

#include <string>
#include <string_view>
#include <vector>

namespace vbs {

struct LocaleRecord
{
    Locale locale;
    std::u16string tag;          // "en-us", as SetLocale accepts it
    NumberStyle numbers;
    int firstDayOfWeek = 1;      // vbSunday .. vbSaturday
    int firstWeekOfYear = 1;     // vbFirstJan1, vbFirstFourDays, vbFirstFullWeek
    // FormatDateTime's vbLongDate: d dd ddd dddd, M MM MMM MMMM, yy yyyy,
    // text in single quotes copied as it is.
    std::u16string longDatePattern;
};

// Every known locale, English - United States first.
const std::vector<LocaleRecord> &localeTable();

// The record of an LCID or of a name ("de-de", "DE-DE", "de"); null when
// unknown.
const LocaleRecord *findLocale(int lcid);
const LocaleRecord *findLocale(std::u16string_view name);

// The record describing `locale` (by its LCID); English - United States
// when the LCID is not in the table.
const LocaleRecord &localeRecord(const Locale &locale);

// Expands a long date pattern for a date.
std::u16string expandDatePattern(std::u16string_view pattern, int year, int month, int day, int weekday0,
                                 const Locale &locale);

} // namespace vbs
