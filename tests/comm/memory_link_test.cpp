#include "comm/memory_link.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/virtual_clock.h"

namespace olv {
namespace {

class MemoryLinkTest : public ::testing::Test {
 protected:
  MemoryLinkTest() {
    link.SetPorts({"COM1", "/dev/pts/4"});
    EXPECT_TRUE(link.SetPortName("COM1"));
    EXPECT_TRUE(link.Open());
    link.LineSettings().BaudRate = 115200;
    EXPECT_TRUE(link.SetState());
  }
  cVirtualClock clock;
  cMemoryLink link{clock};
};

// Bytes take 10 bit times each way (86.8 us at 115 200 baud); bytes that
// arrive while the link is closed are lost.
TEST_F(MemoryLinkTest, BytesCrossAtTheLineRateAndAreLostWhileClosed) {
  std::vector<uint64_t> arrivals;
  link.SetDeviceReceiver([&](const uint8_t*, size_t n) {
    ASSERT_EQ(n, 1u);
    arrivals.push_back(clock.NowMicros());
  });
  const uint8_t bytes[] = {10, 20, 30, 40, 50};
  EXPECT_EQ(link.Write(bytes, 3), 3u);
  EXPECT_EQ(link.BytesOnTheWayToDevice(), 3u);
  link.SendFromDevice(bytes, 5);
  clock.AdvanceMicros(200);
  EXPECT_EQ(link.BytesAvailable(), 2u);
  clock.AdvanceMicros(300);
  EXPECT_EQ(arrivals, (std::vector<uint64_t>{87, 174, 261}));
  ASSERT_EQ(link.BytesAvailable(), 5u);
  uint8_t got[8] = {};
  EXPECT_EQ(link.Read(got, 3), 3u);
  EXPECT_EQ(link.Read(nullptr, 3) + link.Read(got, 0), 0u);
  EXPECT_EQ(link.Read(got + 3, 8), 2u);
  EXPECT_EQ(std::vector<uint8_t>(got, got + 5), std::vector<uint8_t>(bytes, bytes + 5));

  EXPECT_TRUE(link.Close());
  link.SendFromDevice(bytes, 2);
  EXPECT_EQ(link.Write(bytes, 2), 0u);
  clock.AdvanceMs(1);
  EXPECT_TRUE(link.Open());
  EXPECT_EQ(link.BytesAvailable(), 0u);
}

}  // namespace
}  // namespace olv
