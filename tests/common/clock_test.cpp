#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/loop_clock.h"
#include "common/virtual_clock.h"

namespace olv {
namespace {

TEST(VirtualClock, TimersAndCallsFireInDueOrderAtTheirOwnTimesAndRunUntilStops) {
  cVirtualClock clock;
  std::vector<std::string> fired;
  clock.CallAt(87, [&] { fired.push_back("c@" + std::to_string(clock.NowMicros())); });
  auto slow = clock.CreateTimer(30, [&] { fired.push_back("30@" + std::to_string(clock.NowMicros() / 1000)); });
  auto fast = clock.CreateTimer(20, [&] { fired.push_back("20@" + std::to_string(clock.NowMicros() / 1000)); });
  slow->Start();
  fast->Start();
  clock.AdvanceMs(65);
  // At 60 both are due; the one rescheduled earlier (at 30) goes first.
  EXPECT_EQ(fired, (std::vector<std::string>{"c@87", "20@20", "30@30", "20@40", "30@60", "20@60"}));
  EXPECT_EQ(clock.NowMicros(), 65000u);
  EXPECT_TRUE(clock.RunUntil([&] { return fired.size() == 7; }, 100));
  EXPECT_EQ(clock.NowMicros(), 80000u);
  EXPECT_FALSE(clock.RunUntil([] { return false; }, 20));
  EXPECT_EQ(clock.NowMicros(), 100000u);
}

TEST(VirtualClock, SleepMovesTimeWithoutFiringAndTimersCanBeStoppedRestartedAndDestroyedByHandlers) {
  cVirtualClock clock(EncodeDate(2024, 5, 7), 5000);
  int fired = 0;
  auto timer = clock.CreateTimer(10, [&] { ++fired; });
  timer->Start();
  clock.Sleep(100);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(clock.GetTickCount(), 5100u);
  EXPECT_NEAR(clock.Now(), EncodeDate(2024, 5, 7) + 100 * kOneMillisecond, 1e-12);
  // Once the loop turns again the overdue timer fires once, not ten times.
  clock.AdvanceMicros(1);
  EXPECT_EQ(fired, 1);
  timer.reset();
  fired = 0;

  auto victim = clock.CreateTimer(10, [&] { ++fired; });
  auto killer = clock.CreateTimer(5, [&] { victim.reset(); });
  auto self = clock.CreateTimer(10, nullptr);
  self->SetHandler([&] { self.reset(); ++fired; });
  victim->Start();
  killer->Start();
  self->Start();
  clock.AdvanceMs(50);
  EXPECT_EQ(fired, 1);

  auto restart = clock.CreateTimer(10, [&] { ++fired; });
  restart->Start();
  clock.AdvanceMs(8);
  restart->Start();  // restarting an active timer counts from now
  clock.AdvanceMs(8);
  EXPECT_EQ(fired, 1);
  auto idle = clock.CreateTimer(0, [&] { ++fired; });
  idle->Start();
  clock.AdvanceMs(2);
  EXPECT_EQ(fired, 2);

  // A completion stops its own one-shot timer and starts the next step, which
  // fires on a later turn.
  std::vector<uint64_t> at;
  auto next = clock.CreateTimer(1, nullptr);
  next->SetHandler([&] { next->Stop(); at.push_back(clock.NowMicros()); });
  auto start = clock.CreateTimer(1, nullptr);
  start->SetHandler([&] { start->Stop(); at.push_back(clock.NowMicros()); next->Start(); });
  start->Start();
  clock.AdvanceMs(100);
  EXPECT_EQ(at, (std::vector<uint64_t>{clock.NowMicros() - 99000, clock.NowMicros() - 98000}));
}

TEST(LoopClock, WakesForADueTimerAndForAReadableDescriptor) {
  cLoopClock clock;
  bool timer_fired = false;
  auto timer = clock.CreateTimer(5, [&] { timer_fired = true; });
  timer->Start();
  EXPECT_TRUE(clock.RunUntil([&] { return timer_fired; }, 2000));

  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::string got;
  clock.WatchFd(fds[0], [&] {
    char buffer[16];
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n > 0) got.append(buffer, static_cast<size_t>(n));
  });
  ASSERT_EQ(write(fds[1], "hi", 2), 2);
  const uint32_t before = clock.GetTickCount();
  clock.RunOnce(5000);
  EXPECT_EQ(got, "hi");
  EXPECT_LT(clock.GetTickCount() - before, 4000u);
  clock.UnwatchFd(fds[0]);
  close(fds[0]);
  close(fds[1]);
}

std::string Fields(double value) {
  const cDateTimeFields f = DecodeDateTime(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", f.year, f.month, f.day,
                f.hour, f.minute, f.second, f.millisecond);
  return text;
}

TEST(Dates, EncodeDecodeMonthLengthsCutsWeekdaysAndWeekNumbers) {
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(EncodeDate(2024, 5, 7), 45419.0);
  EXPECT_EQ(Fields(EncodeDateTime(2024, 5, 7, 9, 5, 30, 250)), "2024-05-07 09:05:30.250");
  EXPECT_EQ(Fields(-1.25), "1899-12-28 18:00:00.000");
  // Fifteen digits read as their millisecond; just under midnight rounds into
  // the next day rather than reading 23:59:59.
  EXPECT_EQ(Fields(0.333333333333333), "1899-12-30 08:00:00.000");
  EXPECT_EQ(FormatDuration(0.333333333333333, true), "08:00:00");
  EXPECT_EQ(Fields(45419.0 + 0.99999999999), "2024-05-08 00:00:00.000");
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
  // A time correction half a millisecond before midnight carries into the next day.
  EXPECT_GT(RoundTimeCorrection(EncodeDate(2024, 5, 8) - kOneMillisecond / 2), EncodeDate(2024, 5, 8));
  EXPECT_DOUBLE_EQ(RoundTimeCorrection(45419.5), 45419.5);
  // 2024-05-05 was a Sunday.
  EXPECT_EQ((std::vector<int>{DayOfWeek(EncodeDate(2024, 5, 5)), DayOfWeek(EncodeDate(2024, 5, 7)),
                              DayOfWeek(EncodeDate(1899, 12, 30))}),
            (std::vector<int>{1, 3, 7}));
  // The last day of a leap year is its day 365.
  EXPECT_EQ((std::vector<int>{WeekNumber(EncodeDate(2024, 1, 1)), WeekNumber(EncodeDate(2024, 1, 7)),
                              WeekNumber(EncodeDate(2024, 1, 8)), WeekNumber(EncodeDateTime(2023, 12, 31, 12, 0, 0)),
                              WeekNumber(EncodeDate(2024, 12, 31))}),
            (std::vector<int>{0, 0, 1, 52, 52}));
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

}  // namespace
}  // namespace olv
