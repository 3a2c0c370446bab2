#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/dates.h"

namespace olv {
namespace {

std::string Fields(double value) {
  const cDateTimeFields f = DecodeDateTime(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", f.year, f.month, f.day,
                f.hour, f.minute, f.second, f.millisecond);
  return text;
}

TEST(Dates, EncodeAndDecode) {
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(EncodeDate(2024, 5, 7), 45419.0);
  EXPECT_EQ(Fields(EncodeDateTime(2024, 5, 7, 9, 5, 30, 250)), "2024-05-07 09:05:30.250");
  EXPECT_EQ(Fields(-1.25), "1899-12-28 18:00:00.000");
  // Fifteen digits read as their millisecond; just under midnight rounds into
  // the next day rather than reading 23:59:59.
  EXPECT_EQ(Fields(0.333333333333333), "1899-12-30 08:00:00.000");
  EXPECT_EQ(FormatDuration(0.333333333333333, true), "08:00:00");
  EXPECT_EQ(Fields(45419.0 + 0.99999999999), "2024-05-08 00:00:00.000");
}

TEST(Dates, LeapYearsMonthLengthsAndCuts) {
  EXPECT_EQ((std::vector<int>{DaysInMonth(2024, 2), DaysInMonth(2000, 2), DaysInMonth(1900, 2),
                              DaysInMonth(2023, 2), DaysInMonth(2024, 4), DaysInMonth(2024, 13)}),
            (std::vector<int>{29, 29, 28, 28, 30, 0}));
  EXPECT_DOUBLE_EQ(EncodeDate(2024, 3, 1) - EncodeDate(2024, 2, 28), 2.0);
  const double t = EncodeDateTime(2024, 5, 7, 23, 59, 0);
  EXPECT_EQ(Fields(FirstOfMonth(t)) + Fields(FirstOfYear(t)),
            "2024-05-01 00:00:00.0002024-01-01 00:00:00.000");
  EXPECT_DOUBLE_EQ(DateOf(t), EncodeDate(2024, 5, 7));
  EXPECT_NEAR(TimeOfDay(t), (23 * 60 + 59) / 1440.0, 1e-9);
  EXPECT_NEAR(TimeOfDay(-1.25), -0.25, 1e-12);
}

TEST(Dates, WeekdaysAndWeekNumbers) {
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 5, 5)), 1);  // a Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 5, 7)), 3);
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
  EXPECT_EQ(WeekdayShortName(1) + WeekdayShortName(4) + WeekdayShortName(0), "NdŚr");
  EXPECT_EQ(WeekNumber(EncodeDate(2024, 1, 1)), 0);
  EXPECT_EQ(WeekNumber(EncodeDate(2024, 1, 7)), 0);
  EXPECT_EQ(WeekNumber(EncodeDate(2024, 1, 8)), 1);
  EXPECT_EQ(WeekNumber(EncodeDateTime(2023, 12, 31, 12, 0, 0)), 52);
  EXPECT_EQ(WeekNumber(EncodeDate(2024, 12, 31)), 52);  // day 365 of a leap year
}

TEST(Dates, DurationsAboveADayAndNegativeAndDateParts) {
  EXPECT_EQ(FormatDuration(1.5, false), "36:00");
  EXPECT_EQ(FormatDuration(1.5 + kOneSecond * 61, true), "36:01:01");
  EXPECT_EQ(FormatDuration(-1.5 * kOneHour, false), "-01:30");
  EXPECT_EQ(FormatDuration(125.0, false), "3000:00");
  // Minutes are cut, not rounded: 1:30:59 is still 01:30.
  EXPECT_EQ(FormatDuration(kOneHour + 30 * kOneMinute + 59 * kOneSecond, false), "01:30");
  const double t = EncodeDateTime(2024, 5, 7, 9, 0, 0);
  EXPECT_EQ(FormatDate(t, 1) + " " + FormatDate(t, 2) + " " + FormatDate(t), "2024 2024-05 2024-05-07");
  // Far beyond any real duration the text is wrong but bounded, never an overflow.
  const std::pair<double, const char*> extremes[] = {
      {1E300, "1111111111111:06:40"}, {-1E300, "-1111111111111:06:40"}, {HUGE_VAL, "1111111111111:06:40"},
      {-1E14, "-1111111111111:06:40"}, {NAN, "00:00:00"}};
  for (const auto& [days, text] : extremes) {
    EXPECT_EQ(FormatDuration(days, true), text) << days;
    EXPECT_FALSE(FormatDate(days).empty());
  }
}

TEST(Dates, RoundTimeCorrectionCarriesHalfAMillisecondIntoTheNextDay) {
  EXPECT_GT(RoundTimeCorrection(EncodeDate(2024, 5, 8) - kOneMillisecond / 2), EncodeDate(2024, 5, 8));
  EXPECT_DOUBLE_EQ(RoundTimeCorrection(45419.5), 45419.5);
}

}  // namespace
}  // namespace olv
