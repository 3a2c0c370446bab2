// A real-time clock with its own poll loop, for the simulator, the
// pseudo-terminal tests and command-line tools. Timers fire on turns of the
// loop; file descriptors can be watched so that arriving bytes wake it too.
//
// Callers must guarantee: one thread runs the loop; Quit may also be called from
// a signal handler.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>

#include "common/clock.h"
#include "common/timer_schedule.h"

namespace olv {

class cLoopClock : public cClock {
 public:
  cLoopClock();

  uint32_t GetTickCount() const override;
  double Now() const override;
  void Sleep(uint32_t ms) override;
  std::unique_ptr<cTimer> CreateTimer() override;
  using cClock::CreateTimer;

  // on_readable runs on a turn of the loop while fd has data (or hang-up).
  void WatchFd(int fd, std::function<void()> on_readable);
  void UnwatchFd(int fd);

  // One turn: waits until a timer is due or a watched descriptor is readable, at
  // most max_wait_ms, then runs what is due.
  void RunOnce(int max_wait_ms);
  // Turns until Quit.
  void Run();
  void Quit() { mQuit = true; }
  // Turns until done() is true or limit_ms have passed; returns done().
  bool RunUntil(const std::function<bool()>& done, uint32_t limit_ms);

 private:
  uint64_t NowMicros() const;

  cTimerSchedule mSchedule;
  std::map<int, std::function<void()>> mWatched;
  std::atomic<bool> mQuit{false};
};

}  // namespace olv
