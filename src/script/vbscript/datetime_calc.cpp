#include "datetime_calc.h"

#include <cctype>
#include <cmath>
#include <string>

namespace vbs {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kMinDay = -657434;  // 100-01-01
constexpr std::int64_t kMaxDay = 2958465;  // 9999-12-31

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

constexpr std::int64_t floorMod(std::int64_t a, std::int64_t b) { return a - floorDiv(a, b) * b; }

// Days from 0000-03-01 based civil computation, shifted to our epoch.
constexpr std::int64_t civilToDays(std::int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468; // days since 1970-01-01
}

constexpr std::int64_t kEpochFrom1970 = civilToDays(1899, 12, 30);

bool isLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(std::int64_t y, int m)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : lengths[m - 1];
}

bool dayInRange(std::int64_t day) { return day >= kMinDay && day <= kMaxDay; }

std::optional<double> finish(DayTime dt)
{
    if (!dayInRange(dt.day))
        return std::nullopt;
    return fromDayTime(dt);
}

// 0 = Sunday; the epoch 1899-12-30 was a Saturday.
int dayOfWeek0(std::int64_t day) { return static_cast<int>(floorMod(day + 6, 7)); }

int weekdayOf(std::int64_t day, int firstDayOfWeek)
{
    return static_cast<int>(floorMod(dayOfWeek0(day) - (firstDayOfWeek - 1), 7)) + 1;
}

std::int64_t weekStart(std::int64_t day, int firstDayOfWeek) { return day - (weekdayOf(day, firstDayOfWeek) - 1); }

std::int64_t firstWeekStart(std::int64_t year, int firstDayOfWeek, int firstWeekOfYear)
{
    const std::int64_t jan1 = daysFromCivil(year, 1, 1);
    const std::int64_t start = weekStart(jan1, firstDayOfWeek);
    switch (firstWeekOfYear) {
    case 2: // the first week with at least four days in the new year
        return 7 - (jan1 - start) >= 4 ? start : start + 7;
    case 3: // the first full week
        return jan1 == start ? start : start + 7;
    default: // the week that holds January 1
        return start;
    }
}

std::int64_t totalSeconds(DayTime dt) { return dt.day * kSecondsPerDay + dt.seconds; }

DayTime fromTotalSeconds(std::int64_t total)
{
    return DayTime{floorDiv(total, kSecondsPerDay), static_cast<std::int32_t>(floorMod(total, kSecondsPerDay))};
}

std::optional<double> addMonths(double serial, std::int64_t months)
{
    if (months > 12 * 10000 || months < -12 * 10000)
        return std::nullopt;
    const DayTime dt = toDayTime(serial);
    int y = 0, m = 0, d = 0;
    civilFromDays(dt.day, y, m, d);
    const std::int64_t total = std::int64_t(y) * 12 + (m - 1) + months;
    const std::int64_t ny = floorDiv(total, 12);
    const int nm = static_cast<int>(floorMod(total, 12)) + 1;
    if (ny < 100 || ny > 9999)
        return std::nullopt;
    const int nd = std::min(d, daysInMonth(ny, nm));
    return finish(DayTime{daysFromCivil(ny, nm, nd), dt.seconds});
}

} // namespace

std::optional<DateInterval> parseDateInterval(std::string_view text)
{
    std::string lower;
    for (char c : text)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (lower == "yyyy") return DateInterval::Year;
    if (lower == "q") return DateInterval::Quarter;
    if (lower == "m") return DateInterval::Month;
    if (lower == "y") return DateInterval::DayOfYear;
    if (lower == "d") return DateInterval::Day;
    if (lower == "w") return DateInterval::Weekday;
    if (lower == "ww") return DateInterval::Week;
    if (lower == "h") return DateInterval::Hour;
    if (lower == "n") return DateInterval::Minute;
    if (lower == "s") return DateInterval::Second;
    return std::nullopt;
}

std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    return civilToDays(year, month, day) - kEpochFrom1970;
}

void civilFromDays(std::int64_t days, int &year, int &month, int &day)
{
    const std::int64_t z = days + kEpochFrom1970 + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool isValidDateSerial(double serial)
{
    return std::isfinite(serial) && serial > kMinDateSerial - 1.0 && serial < kMaxDateSerial + 1.0;
}

DayTime toDayTime(double serial)
{
    const double whole = std::trunc(serial);
    const double fraction = std::fabs(serial - whole);
    DayTime dt{static_cast<std::int64_t>(whole), static_cast<std::int32_t>(std::llround(fraction * kSecondsPerDay))};
    if (dt.seconds >= kSecondsPerDay) {
        dt.seconds -= kSecondsPerDay;
        dt.day += 1;
    }
    return dt;
}

double fromDayTime(DayTime dt)
{
    const double fraction = static_cast<double>(dt.seconds) / kSecondsPerDay;
    const double day = static_cast<double>(dt.day);
    return dt.day >= 0 ? day + fraction : day - fraction;
}

DateParts splitDate(double serial)
{
    const DayTime dt = toDayTime(serial);
    DateParts p;
    civilFromDays(dt.day, p.year, p.month, p.day);
    p.hour = dt.seconds / 3600;
    p.minute = dt.seconds / 60 % 60;
    p.second = dt.seconds % 60;
    return p;
}

std::optional<double> makeDate(int year, int month, int day)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return static_cast<double>(daysFromCivil(year, month, day));
}

int windowYear(int year)
{
    if (year >= 0 && year < 30)
        return 2000 + year;
    if (year >= 30 && year < 100)
        return 1900 + year;
    return year;
}

std::optional<double> dateSerial(std::int64_t year, std::int64_t month, std::int64_t day)
{
    if (year < -100000 || year > 100000 || month < -10000000 || month > 10000000 || day < -100000000 || day > 100000000)
        return std::nullopt;
    year = windowYear(static_cast<int>(year));
    const std::int64_t total = year * 12 + (month - 1);
    const std::int64_t days = daysFromCivil(floorDiv(total, 12), static_cast<int>(floorMod(total, 12)) + 1, 1) + (day - 1);
    return finish(DayTime{days, 0});
}

std::optional<double> timeSerial(std::int64_t hour, std::int64_t minute, std::int64_t second)
{
    constexpr std::int64_t limit = 1'000'000'000'000LL;
    if (hour < -limit || hour > limit || minute < -limit || minute > limit || second < -limit || second > limit)
        return std::nullopt;
    return finish(fromTotalSeconds(hour * 3600 + minute * 60 + second));
}

std::optional<double> dateAdd(DateInterval interval, std::int64_t number, double serial)
{
    if (!isValidDateSerial(serial))
        return std::nullopt;
    constexpr std::int64_t limit = 1'000'000'000'000LL; // far beyond any valid result, safe to multiply
    if (number < -limit || number > limit)
        return std::nullopt;
    const DayTime dt = toDayTime(serial);
    switch (interval) {
    case DateInterval::Year: return addMonths(serial, number * 12);
    case DateInterval::Quarter: return addMonths(serial, number * 3);
    case DateInterval::Month: return addMonths(serial, number);
    case DateInterval::DayOfYear:
    case DateInterval::Day:
    case DateInterval::Weekday: return finish(DayTime{dt.day + number, dt.seconds});
    case DateInterval::Week: return finish(DayTime{dt.day + number * 7, dt.seconds});
    case DateInterval::Hour: return finish(fromTotalSeconds(totalSeconds(dt) + number * 3600));
    case DateInterval::Minute: return finish(fromTotalSeconds(totalSeconds(dt) + number * 60));
    case DateInterval::Second: return finish(fromTotalSeconds(totalSeconds(dt) + number));
    }
    return std::nullopt;
}

int weekday(double serial, int firstDayOfWeek) { return weekdayOf(toDayTime(serial).day, firstDayOfWeek); }

int weekOfYear(double serial, int firstDayOfWeek, int firstWeekOfYear)
{
    const std::int64_t day = toDayTime(serial).day;
    int y = 0, m = 0, d = 0;
    civilFromDays(day, y, m, d);
    std::int64_t first = firstWeekStart(y, firstDayOfWeek, firstWeekOfYear);
    if (day < first)
        first = firstWeekStart(y - 1, firstDayOfWeek, firstWeekOfYear);
    return static_cast<int>((weekStart(day, firstDayOfWeek) - first) / 7 + 1);
}

std::int64_t dateDiff(DateInterval interval, double date1, double date2, int firstDayOfWeek)
{
    const DayTime a = toDayTime(date1);
    const DayTime b = toDayTime(date2);
    const DateParts pa = splitDate(date1);
    const DateParts pb = splitDate(date2);
    switch (interval) {
    case DateInterval::Year: return std::int64_t(pb.year) - pa.year;
    case DateInterval::Quarter:
        return (std::int64_t(pb.year) * 4 + (pb.month - 1) / 3) - (std::int64_t(pa.year) * 4 + (pa.month - 1) / 3);
    case DateInterval::Month: return (std::int64_t(pb.year) * 12 + pb.month) - (std::int64_t(pa.year) * 12 + pa.month);
    case DateInterval::DayOfYear:
    case DateInterval::Day: return b.day - a.day;
    case DateInterval::Weekday: return (b.day - a.day) / 7;
    case DateInterval::Week: return (weekStart(b.day, firstDayOfWeek) - weekStart(a.day, firstDayOfWeek)) / 7;
    case DateInterval::Hour: return floorDiv(totalSeconds(b), 3600) - floorDiv(totalSeconds(a), 3600);
    case DateInterval::Minute: return floorDiv(totalSeconds(b), 60) - floorDiv(totalSeconds(a), 60);
    case DateInterval::Second: return totalSeconds(b) - totalSeconds(a);
    }
    return 0;
}

int datePart(DateInterval interval, double serial, int firstDayOfWeek, int firstWeekOfYear)
{
    const DateParts p = splitDate(serial);
    switch (interval) {
    case DateInterval::Year: return p.year;
    case DateInterval::Quarter: return (p.month - 1) / 3 + 1;
    case DateInterval::Month: return p.month;
    case DateInterval::DayOfYear:
        return static_cast<int>(toDayTime(serial).day - daysFromCivil(p.year, 1, 1) + 1);
    case DateInterval::Day: return p.day;
    case DateInterval::Weekday: return weekday(serial, firstDayOfWeek);
    case DateInterval::Week: return weekOfYear(serial, firstDayOfWeek, firstWeekOfYear);
    case DateInterval::Hour: return p.hour;
    case DateInterval::Minute: return p.minute;
    case DateInterval::Second: return p.second;
    }
    return 0;
}

} // namespace vbs
