#include "comm/odpalacz_funkcji.h"

#include <utility>

namespace olv {

cOdpalaczFunkcji::cOdpalaczFunkcji(cClock& clock)
    : mTimer(clock.CreateTimer(1, [this] { TimerOdpalTimer(); })) {}

void cOdpalaczFunkcji::Odpal(std::function<void()> f) {
  if (mCzeka) return;
  mFunkcja = std::move(f);
  mCzeka = true;
  mTimer->Start();
}

void cOdpalaczFunkcji::TimerOdpalTimer() {
  mTimer->Stop();
  mCzeka = false;
  // Moved out first: the call may defer the next one.
  auto f = std::move(mFunkcja);
  mFunkcja = nullptr;
  if (f) f();
}

}  // namespace olv
