#include "comm/memory_link.h"

#include <algorithm>

#include "comm/port_name.h"

namespace olv {

cMemoryLink::cMemoryLink(cVirtualClock& clock) : mClock(clock) {}

cMemoryLink::~cMemoryLink() { *mAlive = false; }

bool cMemoryLink::SetPortName(const std::string& name) {
  if (mOpen || !ParsePortName(name)) return false;
  mPortName = name;
  return true;
}

bool cMemoryLink::Open() {
  Close();
  if (std::find(mPorts.begin(), mPorts.end(), mPortName) == mPorts.end()) return false;
  DropArrivedBytes();
  mOpen = true;
  return true;
}

bool cMemoryLink::Close() {
  mOpen = false;
  return true;
}

bool cMemoryLink::GetState() {
  if (!mOpen || mSettingsRefused) return false;
  LineSettings().BaudRate = mSpeed;
  return true;
}

bool cMemoryLink::SetState() {
  if (!mOpen || mSettingsRefused || LineSettings().BaudRate == 0) return false;
  mSpeed = LineSettings().BaudRate;
  return true;
}

uint64_t cMemoryLink::ByteTimeNs() const { return 10'000'000'000ULL / mSpeed; }

uint64_t cMemoryLink::NextArrivalNs(uint64_t& line_free_ns) const {
  const uint64_t now_ns = mClock.NowMicros() * 1000;
  line_free_ns = std::max(now_ns, line_free_ns) + ByteTimeNs();
  return line_free_ns;
}

void cMemoryLink::DropArrivedBytes() {
  const uint64_t now = mClock.NowMicros();
  while (!mToHost.empty() && mToHost.front().first <= now) mToHost.pop_front();
}

uint32_t cMemoryLink::BytesAvailable() {
  if (!mOpen) return 0;
  const uint64_t now = mClock.NowMicros();
  uint32_t count = 0;
  for (const auto& [arrival, byte] : mToHost) {
    if (arrival > now) break;
    ++count;
  }
  return count;
}

uint32_t cMemoryLink::Read(uint8_t* buffer, uint32_t capacity) {
  if (!mOpen || buffer == nullptr || capacity == 0) return 0;
  const uint64_t now = mClock.NowMicros();
  uint32_t count = 0;
  while (count < capacity && !mToHost.empty() && mToHost.front().first <= now) {
    buffer[count++] = mToHost.front().second;
    mToHost.pop_front();
  }
  return count;
}

uint32_t cMemoryLink::Write(const uint8_t* buffer, uint32_t length) {
  if (!mOpen || buffer == nullptr || length == 0) return 0;
  for (uint32_t i = 0; i < length; ++i) {
    const uint64_t arrival_ns = NextArrivalNs(mToDeviceFreeNs);
    const uint8_t byte = buffer[i];
    ++mOnTheWayToDevice;
    mClock.CallAt((arrival_ns + 999) / 1000, [this, alive = mAlive, byte] {
      if (!*alive) return;
      --mOnTheWayToDevice;
      if (mDeviceReceiver) mDeviceReceiver(&byte, 1);
    });
  }
  return length;
}

void cMemoryLink::SendFromDevice(const uint8_t* data, size_t n) {
  if (data == nullptr) return;
  for (size_t i = 0; i < n; ++i) {
    const uint64_t arrival_ns = NextArrivalNs(mToHostFreeNs);
    mToHost.emplace_back((arrival_ns + 999) / 1000, data[i]);
  }
}

void cMemoryLink::ListPorts(std::vector<std::string>& list) {
  list = mPorts;
  SortByClosingNumber(list);
}

}  // namespace olv
