#include "sim/event_generator.h"

namespace olv {

cEventGenerator::cEventGenerator(cClock& clock, cSimBus& bus, uint32_t interval_ms, uint32_t seed)
    : mBus(bus), mRandom(seed) {
  mTimer = clock.CreateTimer(interval_ms, [this] { Visit(); });
  mTimer->Start();
}

void cEventGenerator::Visit() {
  if (mBus.DeviceCount() == 0) return;
  std::uniform_int_distribution<size_t> pick_device(0, mBus.DeviceCount() - 1);
  cSimDevice& device = mBus.DeviceAt(pick_device(mRandom));
  const int reader = static_cast<int>(mRandom() % 2);
  if (device.Users().empty()) {
    device.RecordEvent(0, reader, false);
    return;
  }
  std::uniform_int_distribution<size_t> pick_user(0, device.Users().size() - 1);
  const sCardUser& user = device.Users()[pick_user(mRandom)];
  const bool has_card = user.card_field != std::string(8, ' ');
  const bool by_pin = !user.pin.empty() && (!has_card || mRandom() % 2 == 0);
  device.RecordEvent(user.id, reader, by_pin);
}

}  // namespace olv
