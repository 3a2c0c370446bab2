#include "common/clock.h"

namespace olv {

std::unique_ptr<cTimer> cClock::CreateTimer(uint32_t interval_ms, std::function<void()> handler) {
  auto timer = CreateTimer();
  timer->SetInterval(interval_ms);
  timer->SetHandler(std::move(handler));
  return timer;
}

}  // namespace olv
