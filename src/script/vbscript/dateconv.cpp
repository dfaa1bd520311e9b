// Text <-> Date for CDate and CStr, in the current locale.
#include "datetime_calc.h"
#include "locale.h"
#include "text.h"
#include "variant.h"

#include <cmath>
#include <ctime>
#include <vector>

namespace vbs {

namespace {

std::u16string number(int v, bool pad)
{
    std::u16string s = fromAscii(std::to_string(v));
    if (pad && s.size() < 2)
        s.insert(s.begin(), u'0');
    return s;
}

std::u16string formatDatePart(const DateParts &p, const Locale &loc)
{
    const std::u16string d = number(p.day, loc.padDayMonth), m = number(p.month, loc.padDayMonth);
    std::u16string y = fromAscii(std::to_string(p.year));
    while (y.size() < 4)
        y.insert(y.begin(), u'0');
    const std::u16string &sep = loc.dateSeparator;
    switch (loc.dateOrder) {
    case Locale::DateOrder::DMY: return d + sep + m + sep + y;
    case Locale::DateOrder::YMD: return y + sep + m + sep + d;
    default: return m + sep + d + sep + y;
    }
}

std::u16string formatTimePart(const DateParts &p, const Locale &loc)
{
    const std::u16string &sep = loc.timeSeparator;
    if (loc.clock24)
        return number(p.hour, loc.padHour) + sep + number(p.minute, true) + sep + number(p.second, true);
    int h = p.hour % 12;
    if (h == 0)
        h = 12;
    return number(h, loc.padHour) + sep + number(p.minute, true) + sep + number(p.second, true) + u" " +
           (p.hour < 12 ? loc.am : loc.pm);
}

struct Token
{
    enum Kind { Number, Word, Sep, TimeSep } kind;
    int value = 0;
    int digits = 0;
    std::u16string text;
};

int monthFromName(const std::u16string &word, const Locale &loc)
{
    for (int i = 0; i < 12; ++i) {
        if (equalsNoCase(word, loc.monthNames[i]) || equalsNoCase(word, loc.monthAbbrevs[i]))
            return i + 1;
        const Locale &en = englishUS();
        if (equalsNoCase(word, en.monthNames[i]) || equalsNoCase(word, en.monthAbbrevs[i]))
            return i + 1;
    }
    return 0;
}

bool isDayName(const std::u16string &word, const Locale &loc)
{
    for (int i = 0; i < 7; ++i)
        if (equalsNoCase(word, loc.dayNames[i]) || equalsNoCase(word, loc.dayAbbrevs[i]))
            return true;
    return false;
}

int currentYear()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#if defined(_WIN32)
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return tm.tm_year + 1900;
}

} // namespace

std::u16string formatDate(double serial)
{
    const Locale &loc = currentLocale();
    const DateParts p = splitDate(serial);
    const double whole = std::trunc(serial);
    const bool hasTime = p.hour || p.minute || p.second;
    if (whole == 0) // the zero date shows as a time only ("12:00:00 AM")
        return formatTimePart(p, loc);
    if (!hasTime)
        return formatDatePart(p, loc);
    return formatDatePart(p, loc) + u" " + formatTimePart(p, loc);
}

bool parseDate(std::u16string_view text, double &out)
{
    const Locale &loc = currentLocale();
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            Token t{Token::Number, 0, 0, {}};
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
                if (t.digits < 9)
                    t.value = t.value * 10 + (text[i] - u'0');
                ++t.digits;
                ++i;
            }
            tokens.push_back(t);
        } else if (foldChar(c) != c || (c >= u'a' && c <= u'z') || c > 0x7F) {
            Token t{Token::Word, 0, 0, {}};
            while (i < text.size() && !(text[i] >= u'0' && text[i] <= u'9') && text[i] != u' ' &&
                   text[i] != u'/' && text[i] != u'-' && text[i] != u',' && text[i] != u':' && text[i] != u'.')
                t.text.push_back(text[i++]);
            tokens.push_back(t);
        } else if (c == u':' || std::u16string_view(loc.timeSeparator) == text.substr(i, 1)) {
            tokens.push_back({Token::TimeSep, 0, 0, {}});
            ++i;
        } else if (c == u'/' || c == u'-' || c == u',' || std::u16string_view(loc.dateSeparator) == text.substr(i, 1)) {
            // '.' separates the parts of a date only where the locale writes
            // dates so ("15.03.2026" is no date in English - United States).
            tokens.push_back({Token::Sep, 0, 0, {}});
            ++i;
        } else if (c == u' ' || c == u'\t') {
            ++i;
        } else {
            return false;
        }
    }
    if (tokens.empty())
        return false;

    // Time: number (':' number){1,2} [AM|PM], or number AM|PM.
    int hour = -1, minute = 0, second = 0;
    std::vector<Token> dateTokens;
    for (std::size_t k = 0; k < tokens.size();) {
        const bool timeStart = tokens[k].kind == Token::Number &&
                               ((k + 1 < tokens.size() && tokens[k + 1].kind == Token::TimeSep) ||
                                (k + 1 < tokens.size() && tokens[k + 1].kind == Token::Word &&
                                 (equalsNoCase(tokens[k + 1].text, loc.am) || equalsNoCase(tokens[k + 1].text, loc.pm) ||
                                  equalsNoCase(tokens[k + 1].text, u"AM") || equalsNoCase(tokens[k + 1].text, u"PM"))));
        if (timeStart && hour < 0) {
            hour = tokens[k].value;
            ++k;
            int part = 0;
            while (k + 1 < tokens.size() && tokens[k].kind == Token::TimeSep && tokens[k + 1].kind == Token::Number &&
                   part < 2) {
                (part == 0 ? minute : second) = tokens[k + 1].value;
                k += 2;
                ++part;
            }
            if (k < tokens.size() && tokens[k].kind == Token::Word) {
                const std::u16string &w = tokens[k].text;
                const bool pm = equalsNoCase(w, loc.pm) || equalsNoCase(w, u"PM");
                const bool am = equalsNoCase(w, loc.am) || equalsNoCase(w, u"AM");
                if (am || pm) {
                    if (hour < 1 || hour > 12)
                        return false;
                    hour = hour % 12 + (pm ? 12 : 0);
                    ++k;
                }
            }
            if (hour > 23 || minute > 59 || second > 59)
                return false;
            continue;
        }
        dateTokens.push_back(tokens[k]);
        ++k;
    }

    double datePart = 0;
    std::vector<int> nums;
    std::vector<int> numDigits;
    int month = 0;
    for (const Token &t : dateTokens) {
        if (t.kind == Token::Number) {
            nums.push_back(t.value);
            numDigits.push_back(t.digits);
        } else if (t.kind == Token::Word) {
            const int m = monthFromName(t.text, loc);
            if (m && !month) {
                month = m;
            } else if (!isDayName(t.text, loc)) {
                return false;
            }
        }
    }
    if (!nums.empty() || month) {
        int y = 0, mo = 0, d = 0;
        if (month) {
            mo = month;
            if (nums.size() == 2) {
                if (numDigits[0] >= 3 || nums[0] > 31) {
                    y = nums[0];
                    d = nums[1];
                } else {
                    d = nums[0];
                    y = numDigits[1] <= 2 ? windowYear(nums[1]) : nums[1];
                }
            } else if (nums.size() == 1) {
                if (numDigits[0] >= 3 || nums[0] > 31) {
                    y = nums[0];
                    d = 1;
                } else {
                    d = nums[0];
                    y = currentYear();
                }
            } else {
                return false;
            }
        } else if (nums.size() == 3) {
            int a = nums[0], b = nums[1], c = nums[2];
            if (numDigits[0] >= 3 || a > 31) {
                y = a;
                mo = b;
                d = c;
            } else {
                switch (loc.dateOrder) {
                case Locale::DateOrder::DMY: d = a; mo = b; y = c; break;
                case Locale::DateOrder::YMD: y = a; mo = b; d = c; break;
                default: mo = a; d = b; y = c; break;
                }
                if (mo > 12 && d <= 12)
                    std::swap(mo, d);
                if (numDigits[2] <= 2 && loc.dateOrder != Locale::DateOrder::YMD)
                    y = windowYear(y);
            }
        } else if (nums.size() == 2) {
            int a = nums[0], b = nums[1];
            if (loc.dateOrder == Locale::DateOrder::DMY) {
                d = a;
                mo = b;
            } else {
                mo = a;
                d = b;
            }
            if (mo > 12 && d <= 12)
                std::swap(mo, d);
            y = currentYear();
        } else {
            return false;
        }
        const auto serial = makeDate(y, mo, d);
        if (!serial)
            return false;
        datePart = *serial;
    } else if (hour < 0) {
        return false;
    }
    if (hour < 0)
        hour = 0;
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    out = datePart >= 0 ? datePart + time : datePart - time;
    return true;
}

} // namespace vbs
