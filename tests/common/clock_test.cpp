#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

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

TEST(VirtualClock, SleepMovesTimeWithoutFiring) {
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
}

TEST(VirtualClock, TimersCanBeStoppedRestartedAndDestroyedByHandlersAndStartTheNextStep) {
  cVirtualClock clock;
  int fired = 0;
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

}  // namespace
}  // namespace olv
