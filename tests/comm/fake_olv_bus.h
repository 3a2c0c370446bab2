// A small scripted stand-in for a bus of OLV devices, for the engine's tests:
// it recognises the scan frame, activation frames and the file-list request,
// and answers after scripted delays. Same shape as the simulator's bus
// (Receive for bytes from the host, SetSender for bytes to it), so a test can
// put either behind a link.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"

namespace olv::test {

struct cFakeDevice {
  uint8_t Id = 2;
  std::string AnswerText = "xOLV";
  uint32_t AnswerDelayMs = 100;
  bool Silent = false;
  std::vector<std::string> FileLines;
};

class cFakeOlvBus {
 public:
  explicit cFakeOlvBus(cClock& clock) : mClock(clock) {}

  void AddDevice(cFakeDevice device) { mDevices.push_back(std::move(device)); }
  void SetSender(std::function<void(const uint8_t*, size_t)> sender) { mSender = std::move(sender); }
  void Receive(const uint8_t* data, size_t n);

  int ActiveId() const { return mActiveId; }
  int ScansSeen() const { return mScansSeen; }
  int ListRequestsSeen() const { return mListRequestsSeen; }

  static std::vector<uint8_t> ScanAnswer(uint8_t id, const std::string& text);
  static std::vector<uint8_t> FileListReply(uint8_t id, const std::vector<std::string>& lines);

 private:
  void Frame();
  void SendLater(uint32_t delay_ms, std::vector<uint8_t> bytes);

  cClock& mClock;
  std::vector<cFakeDevice> mDevices;
  std::function<void(const uint8_t*, size_t)> mSender;
  std::vector<uint8_t> mFrame;
  std::vector<std::unique_ptr<cTimer>> mTimers;
  int mActiveId = 0;
  int mScansSeen = 0;
  int mListRequestsSeen = 0;
};

}  // namespace olv::test
