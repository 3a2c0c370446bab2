// A clock for tests: time stands still until the test moves it, timers fire in
// due order as it passes, and a sleep moves time on without firing anything.
// Time is kept in microseconds so a serial line can deliver bytes at their real
// spacing (86.8 us a byte at 115 200 baud).
//
// Callers must guarantee: one thread; timers do not outlive the clock.
#pragma once

#include <cstdint>
#include <functional>

#include "common/clock.h"
#include "common/timer_schedule.h"

namespace olv {

class cVirtualClock : public cClock {
 public:
  // start_datetime: the local date-time at virtual time zero (days since
  // 1899-12-30); start_tick: the tick counter then.
  explicit cVirtualClock(double start_datetime = 45419.375, uint32_t start_tick = 1000000);

  uint32_t GetTickCount() const override;
  double Now() const override;
  void Sleep(uint32_t ms) override;
  std::unique_ptr<cTimer> CreateTimer() override;
  using cClock::CreateTimer;

  uint64_t NowMicros() const { return mNowUs; }
  // Runs fn once when virtual time reaches at_us (at once on the next advance
  // when at_us is already past).
  void CallAt(uint64_t at_us, std::function<void()> fn);

  // Moves time on by us, running every timer and call that falls due on the way,
  // each at its own due time, in due order.
  void AdvanceMicros(uint64_t us);
  void AdvanceMs(uint64_t ms) { AdvanceMicros(ms * 1000); }
  // Moves time on event by event until done() is true or limit_ms have passed;
  // returns done(). Time stops at the event that made done() true.
  bool RunUntil(const std::function<bool()>& done, uint64_t limit_ms);

 private:
  cTimerSchedule mSchedule;
  double mStartDateTime;
  uint32_t mStartTick;
  uint64_t mNowUs = 0;
};

}  // namespace olv
