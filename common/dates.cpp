#include "common/dates.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace olv {
namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
const int64_t kEpochShift = DaysFromCivil(1899, 12, 30);


int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

int64_t RoundToMilliseconds(double days) {
  // Far beyond any date or duration the data can hold, and far enough from
  // the ends of int64_t that negating, splitting or adding stays defined.
  constexpr double kLimit = 4.0e18;
  const double ms = days * kMsPerDay;
  if (std::isnan(ms)) return 0;
  if (ms >= kLimit) return static_cast<int64_t>(kLimit);
  if (ms <= -kLimit) return -static_cast<int64_t>(kLimit);
  return std::llround(ms);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

double EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) - kEpochShift);
}

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
  const int64_t ms = ((int64_t{hour} * 60 + minute) * 60 + second) * 1000 + millisecond;
  return EncodeDate(year, month, day) + static_cast<double>(ms) / kMsPerDay;
}

cDateTimeFields DecodeDateTime(double value) {
  const int64_t total = RoundToMilliseconds(value);
  const int64_t days = FloorDiv(total, kMsPerDay);
  int64_t ms = total - days * kMsPerDay;
  cDateTimeFields f;
  CivilFromDays(days + kEpochShift, f.year, f.month, f.day);
  f.hour = static_cast<int>(ms / 3600000);
  ms %= 3600000;
  f.minute = static_cast<int>(ms / 60000);
  ms %= 60000;
  f.second = static_cast<int>(ms / 1000);
  f.millisecond = static_cast<int>(ms % 1000);
  return f;
}

double DateOf(double value) {
  return static_cast<double>(FloorDiv(RoundToMilliseconds(value), kMsPerDay));
}

double FirstOfMonth(double value) {
  const cDateTimeFields f = DecodeDateTime(value);
  return EncodeDate(f.year, f.month, 1);
}

double FirstOfYear(double value) {
  const cDateTimeFields f = DecodeDateTime(value);
  return EncodeDate(f.year, 1, 1);
}

int DayOfWeek(double value) {
  const int64_t days = static_cast<int64_t>(DateOf(value));
  // 1899-12-30 was a Saturday.
  return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;
}

std::string WeekdayShortName(int day_of_week) {
  static const char* const kNames[7] = {"Nd", "Pon", "Wt", "Śr", "Czw", "Pt", "Sob"};
  if (day_of_week < 1 || day_of_week > 7) return {};
  return kNames[day_of_week - 1];
}

int WeekNumber(double value) {
  return static_cast<int>(DateOf(value) - FirstOfYear(value)) / 7;
}

double TimeOfDay(double value) { return value - std::trunc(value); }

double RoundTimeCorrection(double value) {
  const double next = value + kOneMillisecond;
  return std::trunc(next) > std::trunc(value) ? next : value;
}

std::string FormatDuration(double days, bool with_seconds) {
  int64_t ms = RoundToMilliseconds(days);
  const bool negative = ms < 0;
  if (negative) ms = -ms;
  const int64_t hours = ms / 3600000;
  const int64_t minutes = ms / 60000 % 60;
  const int64_t seconds = ms / 1000 % 60;
  char buffer[64];
  if (with_seconds) {
    std::snprintf(buffer, sizeof buffer, "%s%02lld:%02lld:%02lld", negative ? "-" : "",
                  static_cast<long long>(hours), static_cast<long long>(minutes),
                  static_cast<long long>(seconds));
  } else {
    std::snprintf(buffer, sizeof buffer, "%s%02lld:%02lld", negative ? "-" : "",
                  static_cast<long long>(hours), static_cast<long long>(minutes));
  }
  return buffer;
}

std::string FormatDate(double value, int parts) {
  const cDateTimeFields f = DecodeDateTime(value);
  char buffer[32];
  if (parts <= 1) {
    std::snprintf(buffer, sizeof buffer, "%04d", f.year);
  } else if (parts == 2) {
    std::snprintf(buffer, sizeof buffer, "%04d-%02d", f.year, f.month);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", f.year, f.month, f.day);
  }
  return buffer;
}

}  // namespace olv
