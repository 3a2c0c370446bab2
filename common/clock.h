// The clock seam: every object that times, waits or stamps gets a cClock and
// never reads the system clock itself, so protocol code runs in virtual time in
// tests and in real time in the program.
//
// Callers must guarantee: a timer is created by a clock and does not outlive it;
// all calls come from the one thread that runs the clock's loop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace olv {

// A timer fires its handler every interval until stopped; a one-shot timer is
// one that stops itself in its handler. A handler never runs inside the call that
// started the timer: it runs on a later turn of the clock's loop. An interval of
// 0 never fires (like a toolkit timer with no period).
class cTimer {
 public:
  virtual ~cTimer() = default;

  virtual void SetInterval(uint32_t ms) = 0;
  virtual uint32_t Interval() const = 0;
  // Starts the timer; an active timer is restarted from now.
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
  // An unset handler is skipped. The handler may stop, restart or destroy its
  // own timer and any other.
  virtual void SetHandler(std::function<void()> handler) = 0;
};

class cClock {
 public:
  virtual ~cClock() = default;

  // Milliseconds since the machine started, cut to 32 bits (it wraps).
  virtual uint32_t GetTickCount() const = 0;
  // Local date and time as days since 1899-12-30, the fraction is the time of day.
  virtual double Now() const = 0;
  // Blocks for ms milliseconds. Timers do not fire during the wait.
  virtual void Sleep(uint32_t ms) = 0;
  // A new stopped timer with interval 0 and no handler.
  virtual std::unique_ptr<cTimer> CreateTimer() = 0;

  // Convenience: a stopped timer with the given interval and handler.
  std::unique_ptr<cTimer> CreateTimer(uint32_t interval_ms, std::function<void()> handler);
};

}  // namespace olv
