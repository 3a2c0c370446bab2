#include "model/new_unique.h"

namespace olv {

int32_t NowyUnique(cClock& clock, const std::function<bool(int32_t unique)>& taken) {
  constexpr uint32_t kRetryMs = 100;
  auto unique = static_cast<int32_t>(clock.GetTickCount());
  while (unique == 0 || taken(unique)) {
    clock.Sleep(kRetryMs);
    unique = static_cast<int32_t>(clock.GetTickCount());
  }
  return unique;
}

}  // namespace olv
