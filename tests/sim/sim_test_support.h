// What the simulator tests share: a card folder per test, a bus on a virtual
// clock whose answers are recorded, the PC's frames
// written out byte by byte, and an event line read as the manager reads it.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

#include "common/virtual_clock.h"
#include "sim/sim_bus.h"

namespace olv::simtest {

inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

inline std::string ScanFrame() {
  return Bytes({0xFF, 0xA3, 0x5C, 0x19, 0xE7, 0x42, 0x8D, 0x0B, 0x76, 0xF1, 0x2E, 0x94, 0x6C, 0x3B,
                0xA8, 0xD5, 0xFF});
}

inline std::string ActivationFrame(int id) {
  std::string frame = ScanFrame();
  frame.back() = static_cast<char>(id);
  return frame;
}

// 0xFF, the password, 0x00, the command, then what follows.
inline std::string Request(int command, const std::string& rest,
                           const std::string& password = "427051") {
  return Bytes({0xFF}) + password + Bytes({0x00, command}) + rest;
}

inline std::string FileListRequest(const std::string& password = "427051") {
  return Request(5, Bytes({0x0D}), password);
}

// An event line read at the manager's fixed positions: the user ID in
// characters 1-4, the date in 7-16, the time in 19-26, the marker in 30; then
// from what follows character 32, up to the first comma and one character more
// are dropped, and the last character: what is left is the reader's name.
struct sEventRead {
  std::string id, date, time;
  char marker;
  std::string reader;
};

inline sEventRead ReadAsTheManagerDoes(const std::string& line) {
  std::string rest = line.substr(32);
  rest.erase(0, rest.find(',') + 2);
  rest.pop_back();
  return {line.substr(0, 4), line.substr(6, 10), line.substr(18, 8), line[29], rest};
}

class SimBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/olv_sim_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mRoot = pattern;
    mBus.SetSender(
        [this](const uint8_t* data, size_t n) { mReceived.append(reinterpret_cast<const char*>(data), n); });
  }
  void TearDown() override { std::filesystem::remove_all(mRoot); }

  std::string CardFolder(int id) const { return mRoot + "/0000000" + std::to_string(id); }
  cSimDevice& AddDevice(int id) {
    std::string error;
    EXPECT_TRUE(mBus.AddDevice(id, CardFolder(id), &error)) << error;
    return *mBus.FindDevice(id);
  }
  void Send(const std::string& bytes) {
    mBus.Receive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  // Everything that arrived, joined, and forgotten.
  std::string TakeAll() { return std::exchange(mReceived, {}); }

  std::string mRoot;
  cVirtualClock mClock;
  cSimBus mBus{mClock};
  std::string mReceived;
};

}  // namespace olv::simtest
