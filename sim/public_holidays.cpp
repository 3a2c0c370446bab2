#include "sim/public_holidays.h"

#include "common/dates.h"

namespace olv {

double EasterSunday(int year) {
  // The anonymous Gregorian computus.
  const int a = year % 19;
  const int b = year / 100;
  const int c = year % 100;
  const int d = b / 4;
  const int e = b % 4;
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4;
  const int k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31;
  const int day = (h + l - 7 * m + 114) % 31 + 1;
  return EncodeDate(year, month, day);
}

bool IsPublicHoliday(double date) {
  const cDateTimeFields d = DecodeDateTime(DateOf(date));
  struct sFixed {
    int month, day, since;
  };
  static constexpr sFixed kFixed[] = {{1, 1, 0},   {1, 6, 2011},  {5, 1, 0},   {5, 3, 0},
                                      {8, 15, 0},  {11, 1, 0},    {11, 11, 0}, {12, 24, 2025},
                                      {12, 25, 0}, {12, 26, 0}};
  for (const sFixed& fixed : kFixed) {
    if (d.month == fixed.month && d.day == fixed.day && d.year >= fixed.since) return true;
  }
  const double easter = EasterSunday(d.year);
  const double day = EncodeDate(d.year, d.month, d.day);
  return day == easter + 1 || day == easter + 60;
}

}  // namespace olv
