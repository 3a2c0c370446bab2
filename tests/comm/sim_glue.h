// Joins an in-memory link to the simulated bus, in virtual time. A filter on
// the way to the devices lets a test lose chosen bytes (an acknowledgement,
// say) on top of the bus's own line damage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "comm/memory_link.h"
#include "sim/sim_bus.h"

namespace olv::test {

inline void JoinToSimBus(cMemoryLink& link, cSimBus& bus,
                         std::function<bool(uint8_t)> keep_to_device = nullptr) {
  link.SetDeviceReceiver([&bus, keep = std::move(keep_to_device)](const uint8_t* d, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      if (!keep || keep(d[i])) bus.Receive(d + i, 1);
    }
  });
  bus.SetSender([&link](const uint8_t* d, size_t n) { link.SendFromDevice(d, n); });
}

}  // namespace olv::test
