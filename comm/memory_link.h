// cMemoryLink: a serial link in memory for tests, joining the WPP engine to a
// simulated bus in virtual time. Each byte takes 10 bit times at the speed set
// with SetState, one after the other in each direction, as on a real line.
//
// The engine side is the cSerialLink interface. The device side is two plain
// callbacks, so that the communication layer does not depend on the simulator:
//   SetDeviceReceiver(f): f gets each byte the engine wrote, one call per byte,
//     at the moment its last bit has arrived;
//   SendFromDevice(data, n): queues bytes towards the engine; each can be read
//     once its time on the line has passed. Bytes that arrive while the engine
//     side is closed are lost, as on a port nobody has open.
//
// Callers must guarantee: the clock outlives the link; one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "comm/serial_link.h"
#include "common/virtual_clock.h"

namespace olv {

class cMemoryLink : public cSerialLink {
 public:
  using ByteReceiver = std::function<void(const uint8_t*, size_t)>;

  explicit cMemoryLink(cVirtualClock& clock);
  ~cMemoryLink() override;
  cMemoryLink(const cMemoryLink&) = delete;
  cMemoryLink& operator=(const cMemoryLink&) = delete;

  bool SetPortName(const std::string& name) override;
  bool Open() override;
  bool Close() override;
  bool IsOpen() const override { return mOpen; }
  bool GetState() override;
  bool SetState() override;
  bool SetTimeouts() override { return mOpen; }
  bool SetupBuffers() override { return mOpen; }
  uint32_t BytesAvailable() override;
  uint32_t Read(uint8_t* buffer, uint32_t capacity) override;
  uint32_t Write(const uint8_t* buffer, uint32_t length) override;
  void ListPorts(std::vector<std::string>& list) override;

  void SetDeviceReceiver(ByteReceiver receiver) { mDeviceReceiver = std::move(receiver); }
  void SendFromDevice(const uint8_t* data, size_t n);

  // The ports that exist (ListPorts shows them, Open accepts them); "COM1" at
  // first.
  void SetPorts(std::vector<std::string> names) { mPorts = std::move(names); }
  // A port whose driver refuses line settings (SetState and GetState fail).
  void SetSettingsRefused(bool refused) { mSettingsRefused = refused; }
  // Bytes the engine wrote that have not reached the device yet.
  size_t BytesOnTheWayToDevice() const { return mOnTheWayToDevice; }
  // Line speed in force (the last speed applied with SetState).
  uint32_t Speed() const { return mSpeed; }

 private:
  uint64_t ByteTimeNs() const;
  uint64_t NextArrivalNs(uint64_t& line_free_ns) const;
  void DropArrivedBytes();

  cVirtualClock& mClock;
  std::shared_ptr<bool> mAlive = std::make_shared<bool>(true);
  std::vector<std::string> mPorts{"COM1"};
  std::string mPortName;
  bool mOpen = false;
  bool mSettingsRefused = false;
  uint32_t mSpeed = 9600;
  ByteReceiver mDeviceReceiver;
  uint64_t mToDeviceFreeNs = 0;
  size_t mOnTheWayToDevice = 0;
  // Bytes towards the engine with the virtual time (us) at which each arrives.
  std::deque<std::pair<uint64_t, uint8_t>> mToHost;
  uint64_t mToHostFreeNs = 0;
};

}  // namespace olv
