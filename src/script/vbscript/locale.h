#pragma once

#include <array>
#include <string>

namespace vbs {

// What number and date conversions need to know about a locale.
struct Locale
{
    enum class DateOrder { MDY, DMY, YMD };

    int lcid = 1033;
    std::u16string decimalSeparator = u".";
    std::u16string groupSeparator = u",";
    DateOrder dateOrder = DateOrder::MDY;
    std::u16string dateSeparator = u"/";
    std::u16string timeSeparator = u":";
    std::u16string am = u"AM";
    std::u16string pm = u"PM";
    bool clock24 = false;          // time written without AM/PM
    bool padDayMonth = false;      // 01/02/2020 rather than 1/2/2020
    bool padHour = false;          // 09:05:00 rather than 9:05:00
    std::array<std::u16string, 12> monthNames;
    std::array<std::u16string, 12> monthAbbrevs;
    std::array<std::u16string, 7> dayNames;   // Sunday first
    std::array<std::u16string, 7> dayAbbrevs;
    std::u16string currencySymbol = u"$";
    bool currencyBefore = true;
};

// English - United States (1033), the default.
const Locale &englishUS();

// The locale conversions use on this thread; English - United States unless
// an engine set another one while it runs (see LocaleScope).
const Locale &currentLocale();
void setCurrentLocale(const Locale *locale); // null restores the default

// Sets the current locale for a scope and restores the previous one.
class LocaleScope
{
public:
    explicit LocaleScope(const Locale *locale);
    ~LocaleScope();
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    const Locale *m_previous;
};

} // namespace vbs
