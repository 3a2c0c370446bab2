// The timers and one-shot calls of one clock, kept in due order. Both the
// virtual clock and the real-time loop clock hand their timers to a schedule and
// differ only in how they let time pass.
//
// Callers must guarantee: the schedule outlives its timers' owners' use of them
// (a timer unregisters itself when destroyed; a timer used after its schedule is
// gone does nothing).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "common/clock.h"

namespace olv {

class cTimerSchedule {
 public:
  // now_us reads the owning clock's current time in microseconds.
  explicit cTimerSchedule(std::function<uint64_t()> now_us);
  ~cTimerSchedule();
  cTimerSchedule(const cTimerSchedule&) = delete;
  cTimerSchedule& operator=(const cTimerSchedule&) = delete;

  std::unique_ptr<cTimer> CreateTimer();
  // A call run once when the clock reaches at_us (never inside this call).
  void CallAt(uint64_t at_us, std::function<void()> fn);

  // The earliest due time of an active timer or pending call.
  std::optional<uint64_t> NextDue() const;
  // Runs the earliest timer or call that is due at now_us or before; false when
  // nothing is due. Equal due times run in the order they were scheduled.
  bool RunOneDue(uint64_t now_us);

 private:
  class cScheduledTimer;
  friend class cScheduledTimer;

  uint64_t NextSequence() { return mSequence++; }

  std::function<uint64_t()> mNowUs;
  std::shared_ptr<bool> mAlive;
  std::vector<cScheduledTimer*> mTimers;
  std::map<std::pair<uint64_t, uint64_t>, std::function<void()>> mCalls;
  uint64_t mSequence = 0;
};

}  // namespace olv
