#include "tests/comm/fake_olv_bus.h"

#include <algorithm>

#include "comm/wpp_protocol.h"

namespace olv::test {

namespace {

uint8_t HeaderCheck(uint8_t id, uint8_t flag) {
  return static_cast<uint8_t>(id + flag + kWppCheckOffset);
}

}  // namespace

std::vector<uint8_t> cFakeOlvBus::ScanAnswer(uint8_t id, const std::string& text) {
  std::vector<uint8_t> bytes{0xFF, id, 10, HeaderCheck(id, 10)};
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(0x00);
  return bytes;
}

std::vector<uint8_t> cFakeOlvBus::FileListReply(uint8_t id, const std::vector<std::string>& lines) {
  std::vector<uint8_t> bytes{0xFF, id, 1, HeaderCheck(id, 1)};
  for (const std::string& line : lines) {
    bytes.insert(bytes.end(), line.begin(), line.end());
    bytes.push_back(0x0D);
    bytes.push_back(0x0A);
  }
  bytes.push_back(kWppFileListEnd);
  return bytes;
}

void cFakeOlvBus::Receive(const uint8_t* data, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    if (mFrame.empty() && data[i] != kWppStartMark) continue;
    mFrame.push_back(data[i]);
    Frame();
  }
}

void cFakeOlvBus::Frame() {
  const bool activation =
      mFrame.size() == 17 &&
      std::equal(kWppActivationSignature.begin(), kWppActivationSignature.end(), mFrame.begin() + 1);
  if (activation) {
    const uint8_t address = mFrame[16];
    mFrame.clear();
    if (address != kWppAllDevices) {
      mActiveId = address;
      return;
    }
    ++mScansSeen;
    for (const cFakeDevice& device : mDevices) {
      if (!device.Silent) SendLater(device.AnswerDelayMs, ScanAnswer(device.Id, device.AnswerText));
    }
    return;
  }
  const bool list_request = mFrame.size() == 10 && mFrame[8] == 5 && mFrame[9] == 0x0D &&
                            std::equal(kWppPassword.begin(), kWppPassword.end(), mFrame.begin() + 1);
  if (list_request) {
    mFrame.clear();
    ++mListRequestsSeen;
    for (const cFakeDevice& device : mDevices) {
      if (device.Id == mActiveId && !device.Silent) {
        SendLater(device.AnswerDelayMs, FileListReply(device.Id, device.FileLines));
      }
    }
    return;
  }
  if (mFrame.size() >= 17) mFrame.clear();
}

void cFakeOlvBus::SendLater(uint32_t delay_ms, std::vector<uint8_t> bytes) {
  auto timer = mClock.CreateTimer();
  cTimer* raw = timer.get();
  timer->SetInterval(delay_ms);
  timer->SetHandler([this, raw, bytes = std::move(bytes)] {
    raw->Stop();
    if (mSender) mSender(bytes.data(), bytes.size());
  });
  timer->Start();
  mTimers.push_back(std::move(timer));
}

}  // namespace olv::test
