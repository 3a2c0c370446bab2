#include "sim/sim_bus.h"

#include "sim/byte_dump.h"

namespace olv {

cSimBus::cSimBus(cClock& clock) : mClock(clock) { SetFaultSeed(1); }

cSimBus::~cSimBus() = default;

void cSimBus::SetFaultSeed(uint32_t seed) {
  mFromHost.Seed(seed);
  mToHost.Seed(seed ^ 0x9E3779B9u);
}

void cSimBus::UstawFunkcjeLogujaca(LogFunction function) {
  cLogujacy::UstawFunkcjeLogujaca(function);
  for (auto& device : mDevices) device->UstawFunkcjeLogujaca(function);
}

bool cSimBus::AddDevice(int bus_id, const std::string& card_folder, std::string* error) {
  auto fail = [error](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (mDevices.size() >= kMaxDevices) return fail("the bus holds at most 8 devices");
  if (bus_id < 1 || bus_id > 9) return fail("bus ID " + std::to_string(bus_id) + " is not 1 to 9");
  if (FindDevice(bus_id)) return fail("bus ID " + std::to_string(bus_id) + " is already taken");
  auto device = std::make_unique<cSimDevice>(mClock, bus_id, card_folder,
                                             [this](std::string_view bytes) { Transmit(bytes); });
  device->UstawFunkcjeLogujaca(FunkcjaLogujaca());
  if (!device->Start(error)) return false;
  device->SetIdChangedHandler([this](int old_id, int new_id) { OnIdChanged(old_id, new_id); });
  mDevices.push_back(std::move(device));
  return true;
}

cSimDevice* cSimBus::FindDevice(int bus_id) {
  for (auto& device : mDevices) {
    if (device->BusId() == bus_id) return device.get();
  }
  return nullptr;
}

void cSimBus::OnIdChanged(int old_id, int new_id) {
  int holders = 0;
  for (auto& device : mDevices) holders += device->BusId() == new_id ? 1 : 0;
  if (holders > 1) {
    Log("SIM: device " + std::to_string(old_id) + " now answers to " + std::to_string(new_id) +
        ", as another device does: their answers will collide");
  }
}

void cSimBus::Receive(const uint8_t* data, size_t n) {
  if (n == 0) return;
  const std::string_view sent(reinterpret_cast<const char*>(data), n);
  const uint64_t dropped = mFromHost.Dropped();
  const uint64_t garbled = mFromHost.Garbled();
  const std::string bytes = mFromHost.Pass(sent);
  if (mFromHost.Dropped() != dropped || mFromHost.Garbled() != garbled) {
    Log("SIM: line from the PC: " + std::to_string(mFromHost.Dropped() - dropped) +
        " byte(s) lost, " + std::to_string(mFromHost.Garbled() - garbled) + " changed");
  }
  // A device may change its ID or answer (and so reach the sender) while
  // bytes are handed out; the list itself does not change.
  for (auto& device : mDevices) device->Receive(bytes);
}

void cSimBus::Transmit(std::string_view sent) {
  const uint64_t dropped = mToHost.Dropped();
  const uint64_t garbled = mToHost.Garbled();
  const std::string bytes = mToHost.Pass(sent);
  if (mToHost.Dropped() != dropped || mToHost.Garbled() != garbled) {
    Log("SIM: line to the PC: " + std::to_string(mToHost.Dropped() - dropped) +
        " byte(s) lost, " + std::to_string(mToHost.Garbled() - garbled) + " changed");
  }
  if (mSender && !bytes.empty()) {
    mSender(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
}

}  // namespace olv
