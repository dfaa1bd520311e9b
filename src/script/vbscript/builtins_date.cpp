// Date and time built-ins on VBScript's Date (datetime_calc.h does the
// calendar). Null dates give Null; an unknown interval, a bad week argument
// or a result outside 100-01-01 .. 9999-12-31 raises 5.
#include "builtins_library.h"
#include "datetime_calc.h"
#include "locale_table.h"
#include "text.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace vbs {

namespace {

using namespace lib;

double dateArg(ArgRefs args, std::size_t i)
{
    const double d = argValue(args, i).toDate();
    if (!isValidDateSerial(d))
        raiseError(RuntimeError::InvalidProcedureCall);
    return d;
}

DateInterval intervalArg(ArgRefs args, std::size_t i)
{
    const auto interval = parseDateInterval(toUtf8(argString(args, i)));
    if (!interval)
        raiseError(RuntimeError::InvalidProcedureCall);
    return *interval;
}

int firstDayArg(CallContext &ctx, ArgRefs args, std::size_t i)
{
    if (!argPresent(args, i))
        return 1;
    const std::int32_t v = longAtLeast(args, i, 0);
    if (v > 7)
        raiseError(RuntimeError::InvalidProcedureCall);
    return v == 0 ? localeRecord(ctx.locale()).firstDayOfWeek : v;
}

int firstWeekArg(CallContext &ctx, ArgRefs args, std::size_t i)
{
    if (!argPresent(args, i))
        return 1;
    const std::int32_t v = longAtLeast(args, i, 0);
    if (v > 3)
        raiseError(RuntimeError::InvalidProcedureCall);
    return v == 0 ? localeRecord(ctx.locale()).firstWeekOfYear : v;
}

Variant dateResult(const std::optional<double> &serial)
{
    if (!serial)
        raiseError(RuntimeError::InvalidProcedureCall);
    return Variant::fromDate(*serial);
}

Variant integer(int v) { return Variant::fromInteger(static_cast<std::int16_t>(v)); }

// Day, Month, Year, Hour, Minute, Second.
template <int DateParts::*Field>
Variant partFunction(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        return Variant::null();
    return integer(splitDate(dateArg(args, 0)).*Field);
}

Variant fnWeekday(CallContext &ctx, ArgRefs args)
{
    const int first = firstDayArg(ctx, args, 1);
    if (isNullArg(args, 0))
        return Variant::null();
    return integer(weekday(dateArg(args, 0), first));
}

Variant fnDatePart(CallContext &ctx, ArgRefs args)
{
    const DateInterval interval = intervalArg(args, 0);
    const int first = firstDayArg(ctx, args, 2);
    const int week = firstWeekArg(ctx, args, 3);
    if (isNullArg(args, 1))
        return Variant::null();
    return integer(datePart(interval, dateArg(args, 1), first, week));
}

Variant fnDateAdd(CallContext &, ArgRefs args)
{
    const DateInterval interval = intervalArg(args, 0);
    if (isNullArg(args, 1))
        raiseError(RuntimeError::InvalidUseOfNull);
    const double number = roundHalfEven(argDouble(args, 1));
    if (isNullArg(args, 2))
        return Variant::null();
    const double serial = dateArg(args, 2);
    if (std::fabs(number) > 1e12)
        raiseError(RuntimeError::InvalidProcedureCall);
    return dateResult(dateAdd(interval, static_cast<std::int64_t>(number), serial));
}

Variant fnDateDiff(CallContext &ctx, ArgRefs args)
{
    const DateInterval interval = intervalArg(args, 0);
    const int first = firstDayArg(ctx, args, 3);
    firstWeekArg(ctx, args, 4); // checked, but DateDiff counts weeks without it
    if (isNullArg(args, 1) || isNullArg(args, 2))
        return Variant::null();
    const std::int64_t diff = dateDiff(interval, dateArg(args, 1), dateArg(args, 2), first);
    if (diff < INT32_MIN || diff > INT32_MAX)
        raiseError(RuntimeError::Overflow);
    return Variant::fromLong(static_cast<std::int32_t>(diff));
}

Variant fnDateSerial(CallContext &, ArgRefs args)
{
    return dateResult(dateSerial(argLong(args, 0), argLong(args, 1), argLong(args, 2)));
}

Variant fnTimeSerial(CallContext &, ArgRefs args)
{
    return dateResult(timeSerial(argLong(args, 0), argLong(args, 1), argLong(args, 2)));
}

// The argument of DateValue and TimeValue: a date, or a text that reads as
// one (13 for anything else, a number too; 94 for Null).
double dateOrTextArg(ArgRefs args, std::size_t i)
{
    const Variant v = argValue(args, i);
    if (v.isNull())
        raiseError(RuntimeError::InvalidUseOfNull);
    if (v.type() != Variant::Type::Date && !v.isString())
        raiseError(RuntimeError::TypeMismatch);
    return dateArg(args, i);
}

Variant fnDateValue(CallContext &, ArgRefs args)
{
    return Variant::fromDate(static_cast<double>(toDayTime(dateOrTextArg(args, 0)).day));
}

Variant fnTimeValue(CallContext &, ArgRefs args)
{
    return Variant::fromDate(fromDayTime(DayTime{0, toDayTime(dateOrTextArg(args, 0)).seconds}));
}

// The local wall clock as a DayTime plus the milliseconds into the second.
DayTime localNow(int *milliseconds = nullptr)
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    if (milliseconds)
        *milliseconds = static_cast<int>(duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    return DayTime{daysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                   local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec};
}

Variant fnNow(CallContext &, ArgRefs) { return Variant::fromDate(fromDayTime(localNow())); }
Variant fnDate(CallContext &, ArgRefs) { return Variant::fromDate(static_cast<double>(localNow().day)); }
Variant fnTime(CallContext &, ArgRefs) { return Variant::fromDate(fromDayTime(DayTime{0, localNow().seconds})); }

Variant fnTimer(CallContext &, ArgRefs)
{
    int ms = 0;
    const DayTime now = localNow(&ms);
    return Variant::fromSingle(static_cast<float>(now.seconds + ms / 1000.0));
}

std::u16string number(int v, bool pad)
{
    std::u16string s = fromAscii(std::to_string(v));
    if (pad && s.size() < 2)
        s.insert(s.begin(), u'0');
    return s;
}

std::u16string shortDate(const DateParts &p, const Locale &loc)
{
    std::u16string y = fromAscii(std::to_string(p.year));
    while (y.size() < 4)
        y.insert(y.begin(), u'0');
    const std::u16string d = number(p.day, loc.padDayMonth);
    const std::u16string m = number(p.month, loc.padDayMonth);
    const std::u16string &s = loc.dateSeparator;
    switch (loc.dateOrder) {
    case Locale::DateOrder::DMY: return d + s + m + s + y;
    case Locale::DateOrder::YMD: return y + s + m + s + d;
    default: return m + s + d + s + y;
    }
}

std::u16string longTime(const DateParts &p, const Locale &loc)
{
    const std::u16string &s = loc.timeSeparator;
    if (loc.clock24)
        return number(p.hour, loc.padHour) + s + number(p.minute, true) + s + number(p.second, true);
    const int h = p.hour % 12 == 0 ? 12 : p.hour % 12;
    std::u16string out = number(h, loc.padHour) + s + number(p.minute, true) + s + number(p.second, true);
    out.push_back(u' ');
    out += p.hour < 12 ? loc.am : loc.pm;
    return out;
}

Variant fnFormatDateTime(CallContext &ctx, ArgRefs args)
{
    const std::int32_t format = argPresent(args, 1) ? longAtLeast(args, 1, 0) : 0;
    if (format > 4)
        raiseError(RuntimeError::InvalidProcedureCall);
    if (isNullArg(args, 0))
        raiseError(RuntimeError::TypeMismatch); // unlike the other date functions
    const double serial = dateArg(args, 0);
    const Locale &loc = ctx.locale();
    const DateParts p = splitDate(serial);
    switch (format) {
    case 1: {
        const LocaleRecord &r = localeRecord(loc);
        return Variant(expandDatePattern(r.longDatePattern, p.year, p.month, p.day, weekday(serial, 1) - 1, r.locale));
    }
    case 2: return Variant(shortDate(p, loc));
    case 3: return Variant(longTime(p, loc));
    case 4: return Variant(number(p.hour, true) + loc.timeSeparator + number(p.minute, true));
    default: {
        LocaleScope scope(&loc);
        return Variant(formatDate(serial));
    }
    }
}

Variant fnMonthName(CallContext &ctx, ArgRefs args)
{
    // A Null abbreviate flag is refused before the month is read.
    if (isNullArg(args, 1))
        raiseError(RuntimeError::InvalidUseOfNull);
    const std::int32_t month = longAtLeast(args, 0, 1);
    if (month > 12)
        raiseError(RuntimeError::InvalidProcedureCall);
    const bool abbreviate = argPresent(args, 1) && argBool(args, 1);
    const Locale &loc = ctx.locale();
    return Variant(abbreviate ? loc.monthAbbrevs[month - 1] : loc.monthNames[month - 1]);
}

Variant fnWeekdayName(CallContext &ctx, ArgRefs args)
{
    const std::int32_t day = longAtLeast(args, 0, 1);
    if (day > 7)
        raiseError(RuntimeError::InvalidProcedureCall);
    const bool abbreviate = argPresent(args, 1) && argBool(args, 1);
    const int first = firstDayArg(ctx, args, 2);
    const std::size_t index = static_cast<std::size_t>((day - 1 + first - 1) % 7);
    const Locale &loc = ctx.locale();
    return Variant(abbreviate ? loc.dayAbbrevs[index] : loc.dayNames[index]);
}

} // namespace

void addDateBuiltins(BuiltinTable &t)
{
    t.add(u"Date", 0, 0, fnDate);
    t.add(u"DateAdd", 3, 3, fnDateAdd);
    t.add(u"DateDiff", 3, 5, fnDateDiff);
    t.add(u"DatePart", 2, 4, fnDatePart);
    t.add(u"DateSerial", 3, 3, fnDateSerial);
    t.add(u"DateValue", 1, 1, fnDateValue);
    t.add(u"Day", 1, 1, partFunction<&DateParts::day>);
    t.add(u"FormatDateTime", 1, 2, fnFormatDateTime);
    t.add(u"Hour", 1, 1, partFunction<&DateParts::hour>);
    t.add(u"Minute", 1, 1, partFunction<&DateParts::minute>);
    t.add(u"Month", 1, 1, partFunction<&DateParts::month>);
    t.add(u"MonthName", 1, 2, fnMonthName);
    t.add(u"Now", 0, 0, fnNow);
    t.add(u"Second", 1, 1, partFunction<&DateParts::second>);
    t.add(u"Time", 0, 0, fnTime);
    t.add(u"Timer", 0, 0, fnTimer);
    t.add(u"TimeSerial", 3, 3, fnTimeSerial);
    t.add(u"TimeValue", 1, 1, fnTimeValue);
    t.add(u"Weekday", 1, 2, fnWeekday);
    t.add(u"WeekdayName", 1, 3, fnWeekdayName);
    t.add(u"Year", 1, 1, partFunction<&DateParts::year>);
}

} // namespace vbs
