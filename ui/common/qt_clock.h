// The program's clock: real time on the Qt event loop. Timers are Qt timers of
// one dispatcher object, so their handlers run on later turns of the loop that
// QApplication::exec (or a modal window) runs, never inside the call that
// started them. The tick counter is CLOCK_BOOTTIME in milliseconds cut to 32
// bits; Now is the C library's local time.
//
// Callers must guarantee: a QCoreApplication exists before the first timer is
// started; all calls come from the user-interface thread; timers do not outlive
// the clock (one used after the clock is gone does nothing).
#pragma once

#include <QObject>
#include <memory>
#include <unordered_map>

#include "common/clock.h"

namespace olv {

class cQtClock : public cClock {
 public:
  cQtClock();
  ~cQtClock() override;
  cQtClock(const cQtClock&) = delete;
  cQtClock& operator=(const cQtClock&) = delete;

  uint32_t GetTickCount() const override;
  double Now() const override;
  void Sleep(uint32_t ms) override;
  std::unique_ptr<cTimer> CreateTimer() override;
  using cClock::CreateTimer;

 private:
  class cDispatcher;
  class cQtTimer;

  std::shared_ptr<cDispatcher> mDispatcher;
};

}  // namespace olv
