// What the engine's and the driver's tests talk to: the simulated bus behind
// an in-memory link, in virtual time, so line timings are those of a real
// line. The cards live in a temporary folder that is also the program folder
// (data/extSD/0000000N/ ready for downloads).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "comm/memory_link.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "sim/sim_bus.h"

namespace olv::test {

class SimLineTest : public ::testing::Test {
 protected:
  SimLineTest() {
    char pattern[] = "/tmp/olv_simline_XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
    std::filesystem::create_directories(root + "/cards");
    for (int id = 1; id <= 9; ++id) std::filesystem::create_directories(Mirror(id));
  }
  ~SimLineTest() override { std::filesystem::remove_all(root); }

  // The link for the engine, joined to the bus.
  std::unique_ptr<cMemoryLink> Link() {
    auto link = std::make_unique<cMemoryLink>(clock);
    mLink = link.get();
    KeepToDevice(nullptr);
    bus.SetSender([this](const uint8_t* d, size_t n) { mLink->SendFromDevice(d, n); });
    return link;
  }
  // Loses the bytes on their way to the devices that keep refuses (an
  // acknowledgement, say).
  void KeepToDevice(std::function<bool(uint8_t)> keep) {
    mLink->SetDeviceReceiver([this, keep = std::move(keep)](const uint8_t* d, size_t n) {
      for (size_t i = 0; i < n; ++i) {
        if (!keep || keep(d[i])) bus.Receive(d + i, 1);
      }
    });
  }
  cSimDevice& AddDevice(int id) {
    std::string error;
    EXPECT_TRUE(bus.AddDevice(id, Card(id), &error)) << error;
    return *bus.FindDevice(id);
  }
  std::string Card(int id) const { return root + "/cards/" + IntToStrZeZerami(id, 8); }
  std::string Home() const { return root + "/home/"; }
  std::string Mirror(int id, const std::string& name = "") const {
    return Home() + "data/extSD/" + IntToStrZeZerami(id, 8) + "/" + name;
  }
  void PutOnCard(int id, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(Card(id));
    ASSERT_TRUE(WriteFileAtomically(Card(id) + "/" + name, bytes));
  }

  std::string root;
  cVirtualClock clock;
  cSimBus bus{clock};
  cMemoryLink* mLink = nullptr;
};

// Bytes that differ from file to file.
inline std::string Pattern(size_t size, unsigned seed = 1) {
  std::string data(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (char& c : data) {
    x = x * 1664525u + 1013904223u;
    c = static_cast<char>(x >> 24);
  }
  return data;
}

}  // namespace olv::test
