#pragma once

// Calendar arithmetic on VBScript's Date: a double counting days since
// 1899-12-30, whose fraction is the time of day. Before the epoch the integer
// part counts backwards while the fraction still counts forwards, away from
// zero: -1.25 is 1899-12-29 06:00. Every function here works on plain values;
// failures come back as an empty optional (the caller raises error 5).

#include <cstdint>
#include <optional>
#include <string_view>

namespace vbs {

// The first and last day a Date may hold: 100-01-01 and 9999-12-31.
inline constexpr double kMinDateSerial = -657434.0;
inline constexpr double kMaxDateSerial = 2958465.0;

enum class DateInterval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

// "yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s" in any case; empty for
// anything else.
std::optional<DateInterval> parseDateInterval(std::string_view text);

struct DateParts
{
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// A point in time on a straight line: whole days since the epoch (negative
// before it) plus seconds into that day (0..86399). Arithmetic happens here.
struct DayTime
{
    std::int64_t day = 0;
    std::int32_t seconds = 0;
};

// True for serials within 100-01-01 00:00:00 .. 9999-12-31 23:59:59.
bool isValidDateSerial(double serial);

// Serial to line position, rounding the time to the nearest second (a time
// that rounds up to midnight moves to the next day).
DayTime toDayTime(double serial);
// Line position to serial, with VBScript's sign convention for the fraction.
double fromDayTime(DayTime dt);

// Days since the epoch of a proleptic Gregorian date (no range check).
std::int64_t daysFromCivil(std::int64_t year, int month, int day);
void civilFromDays(std::int64_t days, int &year, int &month, int &day);

DateParts splitDate(double serial);

// Year, month and day in range (month 1..12, day within the month, year
// 100..9999); empty otherwise.
std::optional<double> makeDate(int year, int month, int day);

// Two-digit years 0..29 mean 2000..2029 and 30..99 mean 1930..1999, as the
// system's window does; other years are taken literally.
int windowYear(int year);

// DateSerial: months and days overflow into the next or previous unit
// (month 13 is January of the next year, day 0 the last day of the previous
// month). Empty when the result lies outside the valid range.
std::optional<double> dateSerial(std::int64_t year, std::int64_t month, std::int64_t day);

// TimeSerial: hours, minutes and seconds overflow likewise; a negative total
// counts back from the epoch day.
std::optional<double> timeSerial(std::int64_t hour, std::int64_t minute, std::int64_t second);

// DateAdd; months clamp to the end of a shorter month (Jan 31 + 1 month is
// Feb 28/29). Empty when the result is out of range.
std::optional<double> dateAdd(DateInterval interval, std::int64_t number, double serial);

// Day of the week, 1..7, counted from `firstDayOfWeek` (1 = Sunday .. 7).
int weekday(double serial, int firstDayOfWeek);

// The week number of `serial` within its year, weeks starting on
// `firstDayOfWeek` (1..7) and week 1 chosen by `firstWeekOfYear`
// (1 = contains Jan 1, 2 = first with four days, 3 = first full week). A day
// before week 1 belongs to the last week of the previous year.
int weekOfYear(double serial, int firstDayOfWeek, int firstWeekOfYear);

// DateDiff: the number of interval boundaries between the two dates
// (negative when date2 is earlier).
std::int64_t dateDiff(DateInterval interval, double date1, double date2, int firstDayOfWeek);

// DatePart.
int datePart(DateInterval interval, double serial, int firstDayOfWeek, int firstWeekOfYear);

} // namespace vbs
