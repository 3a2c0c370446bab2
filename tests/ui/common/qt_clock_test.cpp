#include "ui/common/qt_clock.h"

#include <QDateTime>
#include <string>
#include <vector>

#include "common/dates.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

using test::RunFor;
using test::RunUntil;

TEST(QtClockTest, OneShotTimerFiresOnALaterTurnNotInsideStart) {
  cQtClock clock;
  int fired = 0;
  std::unique_ptr<cTimer> timer;
  timer = clock.CreateTimer(1, [&] {
    ++fired;
    timer->Stop();
  });
  timer->Start();
  EXPECT_EQ(fired, 0);
  EXPECT_TRUE(timer->IsActive());
  ASSERT_TRUE(RunUntil([&] { return fired > 0; }));
  RunFor(30);
  EXPECT_EQ(fired, 1);
  EXPECT_FALSE(timer->IsActive());
}

TEST(QtClockTest, RepeatingTimerFiresUntilStoppedAndRestartsOnNewInterval) {
  cQtClock clock;
  int fired = 0;
  auto timer = clock.CreateTimer(2, [&] { ++fired; });
  timer->Start();
  ASSERT_TRUE(RunUntil([&] { return fired >= 3; }));
  timer->Stop();
  const int at_stop = fired;
  RunFor(30);
  EXPECT_EQ(fired, at_stop);

  // Changing the interval of a stopped timer does not start it.
  timer->SetInterval(1);
  EXPECT_FALSE(timer->IsActive());
}

TEST(QtClockTest, IntervalZeroNeverFires) {
  cQtClock clock;
  int fired = 0;
  auto timer = clock.CreateTimer(0, [&] { ++fired; });
  timer->Start();
  EXPECT_TRUE(timer->IsActive());
  RunFor(30);
  EXPECT_EQ(fired, 0);
}

TEST(QtClockTest, HandlerMayDestroyItsOwnTimerAndAnother) {
  cQtClock clock;
  int other_fired = 0;
  std::unique_ptr<cTimer> other = clock.CreateTimer(1, [&] { ++other_fired; });
  std::unique_ptr<cTimer> timer;
  bool ran = false;
  timer = clock.CreateTimer(1, [&] {
    ran = true;
    other.reset();
    timer.reset();
  });
  timer->Start();
  other->Start();
  ASSERT_TRUE(RunUntil([&] { return ran; }));
  RunFor(20);
  EXPECT_EQ(timer, nullptr);
  EXPECT_EQ(other_fired, 0);
}

TEST(QtClockTest, TimersDueTogetherFireInTheOrderTheyWereStarted) {
  cQtClock clock;
  std::vector<std::string> order;
  std::vector<std::unique_ptr<cTimer>> timers;
  for (const std::string name : {"a", "b", "c"}) {
    timers.push_back(clock.CreateTimer(1, nullptr));
    cTimer* timer = timers.back().get();
    timer->SetHandler([&order, timer, name] {
      timer->Stop();
      order.push_back(name);
    });
  }
  for (auto& timer : timers) timer->Start();
  ASSERT_TRUE(RunUntil([&] { return order.size() == 3; }));
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(QtClockTest, TimerOutlivingItsClockDoesNothing) {
  std::unique_ptr<cTimer> timer;
  {
    cQtClock clock;
    timer = clock.CreateTimer(1, [] { FAIL() << "fired after its clock was gone"; });
    timer->Start();
  }
  timer->Start();
  RunFor(20);
  timer->Stop();
}

TEST(QtClockTest, NowIsTheLocalTime) {
  cQtClock clock;
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  const double expected = EncodeDateTime(date.year(), date.month(), date.day(), time.hour(),
                                         time.minute(), time.second(), time.msec());
  EXPECT_NEAR(clock.Now(), expected, 2 * kOneSecond);
}

TEST(QtClockTest, TickCountAdvancesWithTime) {
  cQtClock clock;
  const uint32_t before = clock.GetTickCount();
  clock.Sleep(20);
  const uint32_t elapsed = clock.GetTickCount() - before;
  EXPECT_GE(elapsed, 20u);
}

}  // namespace
}  // namespace olv
