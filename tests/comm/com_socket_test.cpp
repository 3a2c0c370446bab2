// TCOMSocket over a pseudo-terminal pair, in real time: the test holds the
// master side and plays the device. (The engine and the driver on a real port
// are tested against olv8-sim in olv8_sim_e2e_test.)
#include "comm/com_socket.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/loop_clock.h"

namespace olv {
namespace {

class PtyPair {
 public:
  PtyPair() {
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
    path = name;
    termios raw{};
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);
    // Only the socket under test keeps the device side open.
    ::close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  ~PtyPair() {
    if (master >= 0) ::close(master);
  }
  std::vector<uint8_t> ReadMaster() {
    std::vector<uint8_t> bytes(4096);
    const ssize_t n = ::read(master, bytes.data(), bytes.size());
    bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return bytes;
  }

  int master = -1;
  std::string path;
};

class ComSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GE(pty.master, 0);
    ASSERT_TRUE(socket.SetPortName(pty.path));
    ASSERT_TRUE(socket.Open());
    // Wakes the loop now and then, so RunUntil sees a condition that no
    // watched descriptor signals.
    ticker->Start();
  }
  cLoopClock clock;
  std::unique_ptr<cTimer> ticker = clock.CreateTimer(2, [] {});
  PtyPair pty;
  TCOMSocket socket;
};

TEST_F(ComSocketTest, OpeningIsExclusive) {
  TCOMSocket second;
  ASSERT_TRUE(second.SetPortName(pty.path));
  EXPECT_FALSE(second.Open());
  EXPECT_FALSE(socket.SetPortName("COM3")) << "no renaming while open";
  EXPECT_TRUE(socket.IsOpen());
  EXPECT_EQ(socket.DevicePath(), pty.path);
  EXPECT_TRUE(socket.Close());
  EXPECT_TRUE(socket.Close());
  EXPECT_TRUE(second.Open());
}

TEST_F(ComSocketTest, BytesPassBothWaysUntranslatedAndReadsTakeOnlyWhatHasArrived) {
  uint8_t buffer[8] = {};
  EXPECT_EQ(socket.Read(buffer, sizeof buffer), 0u);
  const uint8_t bytes[] = {0xFF, 0x00, 0x0D, 0x0A, 0x15};
  ASSERT_EQ(::write(pty.master, bytes, 5), 5);
  ASSERT_TRUE(clock.RunUntil([&] { return socket.BytesAvailable() == 5; }, 2000));
  EXPECT_EQ(socket.Read(buffer, 3), 3u);
  EXPECT_EQ(socket.BytesAvailable(), 2u);
  EXPECT_EQ(socket.Read(buffer + 3, 8), 2u);
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 5), std::vector<uint8_t>(bytes, bytes + 5));

  EXPECT_EQ(socket.Write(bytes, 5), 5u);
  std::vector<uint8_t> got;
  ASSERT_TRUE(clock.RunUntil(
      [&] {
        const auto more = pty.ReadMaster();
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= 5;
      },
      2000));
  EXPECT_EQ(got, std::vector<uint8_t>(bytes, bytes + 5));
}

TEST_F(ComSocketTest, AWriteNobodyTakesEndsAtItsTimeout) {
  socket.Timeouts().WriteTotalTimeoutMultiplier = 0;
  socket.Timeouts().WriteTotalTimeoutConstant = 50;
  const std::vector<uint8_t> lots(4 << 20, 0x55);
  const uint32_t written = socket.Write(lots.data(), static_cast<uint32_t>(lots.size()));
  EXPECT_LT(written, lots.size());
}

TEST_F(ComSocketTest, LineSettingsRoundTrip) {
  ASSERT_TRUE(socket.GetState());
  // (A pseudo-terminal keeps the speed; it forces 8 bits without parity.)
  socket.LineSettings().BaudRate = 115200;
  ASSERT_TRUE(socket.SetState());
  socket.LineSettings() = cLineSettings{};
  ASSERT_TRUE(socket.GetState());
  EXPECT_EQ(socket.LineSettings().BaudRate, 115200u);
  socket.LineSettings().BaudRate = 12345;
  EXPECT_FALSE(socket.SetState()) << "no such line speed";
  EXPECT_TRUE(socket.SetTimeouts());
  EXPECT_TRUE(socket.SetupBuffers());
}

TEST(ComSocketClosedTest, EverythingFailsQuietlyWhileClosed) {
  TCOMSocket socket;
  uint8_t byte = 0;
  EXPECT_FALSE(socket.IsOpen());
  EXPECT_FALSE(socket.Open()) << "no port name set";
  EXPECT_FALSE(socket.GetState());
  EXPECT_FALSE(socket.SetState());
  EXPECT_FALSE(socket.SetTimeouts());
  EXPECT_EQ(socket.BytesAvailable(), 0u);
  EXPECT_EQ(socket.Read(&byte, 1), 0u);
  EXPECT_EQ(socket.Write(&byte, 1), 0u);
  EXPECT_FALSE(socket.SetPortName("COMx"));
  EXPECT_TRUE(socket.SetPortName("/nonexistent/ttyOLV"));
  EXPECT_FALSE(socket.Open());
}

}  // namespace
}  // namespace olv
