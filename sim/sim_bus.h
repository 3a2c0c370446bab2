// A simulated serial bus of up to eight OLV devices (bus IDs 1 to 9) on one
// byte stream. Bytes from the PC reach every device, as on the real wire; what
// the devices answer goes to the sender. The line can lose or change bytes in
// either direction (seeded, so that damage can be replayed); each device has
// its own faults (silence, late answers, a cut line).
//
// The sender may be called from inside Receive (a device answers at once) and
// from the clock's timers (staggered scan answers, late answers, requests to
// repeat a frame after the line has been quiet).
//
// Callers must guarantee: the clock outlives the bus; one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/logging.h"
#include "sim/line_faults.h"
#include "sim/sim_device.h"

namespace olv {

class cSimBus : public cLogujacy {
 public:
  static constexpr size_t kMaxDevices = 8;
  using SenderFunction = std::function<void(const uint8_t*, size_t)>;

  explicit cSimBus(cClock& clock);
  ~cSimBus() override;
  cSimBus(const cSimBus&) = delete;
  cSimBus& operator=(const cSimBus&) = delete;

  // Adds a device answering to bus_id (1 to 9) with its SD card in
  // card_folder (created when missing, KONFOUT.TXT written to match). False,
  // with the reason, when the bus is full, the ID is out of range or taken, or
  // the card cannot be prepared.
  bool AddDevice(int bus_id, const std::string& card_folder, std::string* error = nullptr);
  // The device that now answers to bus_id, or null.
  cSimDevice* FindDevice(int bus_id);
  size_t DeviceCount() const { return mDevices.size(); }
  cSimDevice& DeviceAt(size_t index) { return *mDevices.at(index); }

  // Bytes from the PC.
  void Receive(const uint8_t* data, size_t n);
  // Where the bytes the devices send go; the link paces them.
  void SetSender(SenderFunction sender) { mSender = std::move(sender); }

  // Line damage; both directions draw from random sources seeded by seed.
  void SetFaultSeed(uint32_t seed);
  void SetFaultsFromHost(sLineFaultRates rates) { mFromHost.SetRates(rates); }
  void SetFaultsToHost(sLineFaultRates rates) { mToHost.SetRates(rates); }
  const cLineFaults& FaultsFromHost() const { return mFromHost; }
  const cLineFaults& FaultsToHost() const { return mToHost; }

  void UstawFunkcjeLogujaca(LogFunction function) override;

 private:
  void Transmit(std::string_view bytes);
  void OnIdChanged(int old_id, int new_id);

  cClock& mClock;
  SenderFunction mSender;
  cLineFaults mFromHost;
  cLineFaults mToHost;
  // Last, so that the devices (and their timers) go first.
  std::vector<std::unique_ptr<cSimDevice>> mDevices;
};

}  // namespace olv
