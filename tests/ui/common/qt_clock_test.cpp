#include "ui/common/qt_clock.h"

#include <QDateTime>

#include "common/dates.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

TEST(QtClockTest, TimersFireOnALaterTurnInOrderUntilStopped) {
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
  EXPECT_TRUE(order.empty() && timers[0]->IsActive());
  ASSERT_TRUE(test::RunUntil([&] { return order.size() == 3; }));
  test::RunFor(30);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_FALSE(timers[0]->IsActive());

  // A repeating timer fires until stopped; interval zero never fires.
  int fired = 0, idle_fired = 0;
  auto timer = clock.CreateTimer(2, [&] { ++fired; });
  auto idle = clock.CreateTimer(0, [&] { ++idle_fired; });
  timer->Start();
  idle->Start();
  ASSERT_TRUE(test::RunUntil([&] { return fired >= 3; }));
  timer->Stop();
  const int at_stop = fired;
  test::RunFor(30);
  EXPECT_EQ(fired, at_stop);
  EXPECT_EQ(idle_fired, 0);
  // Changing the interval of a stopped timer does not start it.
  timer->SetInterval(1);
  EXPECT_FALSE(timer->IsActive());
}

TEST(QtClockTest, HandlerMayDestroyItsOwnTimerAndAnotherAndATimerMayOutliveItsClock) {
  std::unique_ptr<cTimer> orphan;
  {
    cQtClock clock;
    int other_fired = 0;
    std::unique_ptr<cTimer> other = clock.CreateTimer(1, [&] { ++other_fired; });
    std::unique_ptr<cTimer> timer;
    timer = clock.CreateTimer(1, [&] {
      other.reset();
      timer.reset();
    });
    timer->Start();
    other->Start();
    ASSERT_TRUE(test::RunUntil([&] { return timer == nullptr; }));
    test::RunFor(20);
    EXPECT_EQ(other_fired, 0);
    orphan = clock.CreateTimer(1, [] { FAIL() << "fired after its clock was gone"; });
    orphan->Start();
  }
  orphan->Start();
  test::RunFor(20);
  orphan->Stop();
}

TEST(QtClockTest, NowIsTheLocalTimeAndTheTickCountAdvances) {
  cQtClock clock;
  const QDateTime now = QDateTime::currentDateTime();
  EXPECT_NEAR(clock.Now(),
              EncodeDateTime(now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                             now.time().minute(), now.time().second()),
              2 * kOneSecond);
  const uint32_t before = clock.GetTickCount();
  clock.Sleep(20);
  EXPECT_GE(clock.GetTickCount() - before, 20u);
}

}  // namespace
}  // namespace olv
