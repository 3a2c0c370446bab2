#include "common/virtual_clock.h"

#include "common/dates.h"

namespace olv {

cVirtualClock::cVirtualClock(double start_datetime, uint32_t start_tick)
    : mSchedule([this] { return mNowUs; }), mStartDateTime(start_datetime), mStartTick(start_tick) {}

uint32_t cVirtualClock::GetTickCount() const {
  return mStartTick + static_cast<uint32_t>(mNowUs / 1000);
}

double cVirtualClock::Now() const {
  return mStartDateTime + static_cast<double>(mNowUs / 1000) * kOneMillisecond;
}

void cVirtualClock::Sleep(uint32_t ms) { mNowUs += uint64_t{ms} * 1000; }

std::unique_ptr<cTimer> cVirtualClock::CreateTimer() { return mSchedule.CreateTimer(); }

void cVirtualClock::CallAt(uint64_t at_us, std::function<void()> fn) {
  mSchedule.CallAt(at_us, std::move(fn));
}

void cVirtualClock::AdvanceMicros(uint64_t us) {
  const uint64_t end = mNowUs + us;
  for (;;) {
    const auto due = mSchedule.NextDue();
    if (!due || *due > end) break;
    if (*due > mNowUs) mNowUs = *due;
    mSchedule.RunOneDue(mNowUs);
  }
  mNowUs = end;
}

bool cVirtualClock::RunUntil(const std::function<bool()>& done, uint64_t limit_ms) {
  const uint64_t end = mNowUs + limit_ms * 1000;
  while (!done()) {
    const auto due = mSchedule.NextDue();
    if (!due || *due > end) {
      mNowUs = end;
      return done();
    }
    if (*due > mNowUs) mNowUs = *due;
    mSchedule.RunOneDue(mNowUs);
  }
  return true;
}

}  // namespace olv
