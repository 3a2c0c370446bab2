#include "common/timer_schedule.h"

#include <algorithm>

namespace olv {

class cTimerSchedule::cScheduledTimer : public cTimer {
 public:
  cScheduledTimer(cTimerSchedule* schedule, std::shared_ptr<bool> alive)
      : mSchedule(schedule), mAlive(std::move(alive)) {
    mSchedule->mTimers.push_back(this);
  }
  ~cScheduledTimer() override {
    if (!*mAlive) return;
    auto& timers = mSchedule->mTimers;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
  }

  void SetInterval(uint32_t ms) override {
    mInterval = ms;
    if (mActive) Start();
  }
  uint32_t Interval() const override { return mInterval; }
  void Start() override {
    if (!*mAlive) return;
    mActive = true;
    mDue = mSchedule->mNowUs() + uint64_t{mInterval} * 1000;
    mSequence = mSchedule->NextSequence();
  }
  void Stop() override { mActive = false; }
  bool IsActive() const override { return mActive; }
  void SetHandler(std::function<void()> handler) override { mHandler = std::move(handler); }

  bool Pending() const { return mActive && mInterval > 0; }
  std::pair<uint64_t, uint64_t> Key() const { return {mDue, mSequence}; }

  // Reschedules before the handler runs, so a handler that stops or restarts
  // the timer has the last word. A late loop does not fire a burst of missed
  // periods: the next period counts from now.
  void Fire(uint64_t now_us) {
    mDue += uint64_t{mInterval} * 1000;
    if (mDue <= now_us) mDue = now_us + uint64_t{mInterval} * 1000;
    mSequence = mSchedule->NextSequence();
    // A copy, because the handler may destroy this timer.
    auto handler = mHandler;
    if (handler) handler();
  }

 private:
  cTimerSchedule* mSchedule;
  std::shared_ptr<bool> mAlive;
  std::function<void()> mHandler;
  uint32_t mInterval = 0;
  bool mActive = false;
  uint64_t mDue = 0;
  uint64_t mSequence = 0;
};

cTimerSchedule::cTimerSchedule(std::function<uint64_t()> now_us)
    : mNowUs(std::move(now_us)), mAlive(std::make_shared<bool>(true)) {}

cTimerSchedule::~cTimerSchedule() { *mAlive = false; }

std::unique_ptr<cTimer> cTimerSchedule::CreateTimer() {
  return std::make_unique<cScheduledTimer>(this, mAlive);
}

void cTimerSchedule::CallAt(uint64_t at_us, std::function<void()> fn) {
  mCalls.emplace(std::make_pair(at_us, NextSequence()), std::move(fn));
}

std::optional<uint64_t> cTimerSchedule::NextDue() const {
  std::optional<uint64_t> next;
  if (!mCalls.empty()) next = mCalls.begin()->first.first;
  for (const cScheduledTimer* timer : mTimers) {
    if (timer->Pending() && (!next || timer->Key().first < *next)) next = timer->Key().first;
  }
  return next;
}

bool cTimerSchedule::RunOneDue(uint64_t now_us) {
  cScheduledTimer* earliest = nullptr;
  for (cScheduledTimer* timer : mTimers) {
    if (timer->Pending() && timer->Key().first <= now_us &&
        (!earliest || timer->Key() < earliest->Key())) {
      earliest = timer;
    }
  }
  const bool call_due = !mCalls.empty() && mCalls.begin()->first.first <= now_us;
  if (call_due && (!earliest || mCalls.begin()->first < earliest->Key())) {
    auto node = mCalls.extract(mCalls.begin());
    node.mapped()();
    return true;
  }
  if (!earliest) return false;
  earliest->Fire(now_us);
  return true;
}

}  // namespace olv
