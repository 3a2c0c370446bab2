// cOdpalaczFunkcji: defers one function call to a later turn of the clock's
// loop, so that a window or handler can finish what it is doing first. While a
// call is pending, further calls are dropped.
//
// Callers must guarantee: the clock outlives the object; one thread.
#pragma once

#include <functional>
#include <memory>

#include "common/clock.h"

namespace olv {

class cOdpalaczFunkcji {
 public:
  explicit cOdpalaczFunkcji(cClock& clock);

  // Runs f once, 1 ms from now; dropped when a call is already pending.
  void Odpal(std::function<void()> f);
  bool CzyCzeka() const { return mCzeka; }

 private:
  void TimerOdpalTimer();

  std::function<void()> mFunkcja;
  bool mCzeka = false;
  std::unique_ptr<cTimer> mTimer;
};

}  // namespace olv
