// Date-times as the data files keep them: a double counting days since
// 1899-12-30 whose fraction is the time of day; durations use the same type
// (one hour is 1/24). Every split into fields first rounds to the nearest
// millisecond, because the files store times as 15-digit decimals and
// 0.333333333333333 of a day must read 08:00:00, not 07:59:59.
//
// Callers must guarantee: nothing: a value far outside any real date or
// duration (even infinite or NaN) gives a wrong text, never an overflow.
#pragma once

#include <cstdint>
#include <string>

namespace olv {

struct cDateTimeFields {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

constexpr double kOneHour = 1.0 / 24.0;
constexpr double kOneMinute = 1.0 / 1440.0;
constexpr double kOneSecond = 1.0 / 86400.0;
constexpr double kOneMillisecond = 1.0 / 86400000.0;

// The value in whole milliseconds, rounded to the nearest; held within 4E18
// either way (NaN gives 0), so what is computed from it cannot overflow.
int64_t RoundToMilliseconds(double days);

bool IsLeapYear(int year);
// 28 to 31; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

double EncodeDate(int year, int month, int day);
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond = 0);
cDateTimeFields DecodeDateTime(double value);

// The date alone, the first day of its month, the first day of its year.
double DateOf(double value);
double FirstOfMonth(double value);
double FirstOfYear(double value);

// 1 (Sunday) to 7 (Saturday).
int DayOfWeek(double value);
// "Nd", "Pon", "Wt", "Śr", "Czw", "Pt", "Sob" for 1 to 7; empty outside.
std::string WeekdayShortName(int day_of_week);
// Whole days since 1 January of the date's year, divided by 7.
int WeekNumber(double value);

// The value minus its whole days taken toward zero.
double TimeOfDay(double value);
// When adding 1 ms to the value reaches the next whole day, the value plus 1 ms;
// otherwise the value. Keeps 23:59:59.9999 from reading as the day before.
double RoundTimeCorrection(double value);

// Hours, minutes and optionally seconds, at least two digits each, joined by
// ":"; hours are not wrapped at 24; a negative duration gets a leading "-".
std::string FormatDuration(double days, bool with_seconds);
// "YYYY", "YYYY-MM" or "YYYY-MM-DD" for parts 1, 2 or 3.
std::string FormatDate(double value, int parts = 3);

}  // namespace olv
