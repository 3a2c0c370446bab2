// TCOMSocket over a pseudo-terminal pair: the test holds the master side. Bytes
// both ways, untranslated, are shown by the engine and the driver against
// olv8-sim on its pseudo-terminal (olv8_sim_test).
#include "comm/com_socket.h"

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

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
  }
  ~PtyPair() { ::close(master); }
  int master = -1;
  std::string path;
};

class ComSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GE(pty.master, 0);
    ASSERT_TRUE(socket.SetPortName(pty.path));
    ASSERT_TRUE(socket.Open());
  }
  PtyPair pty;
  TCOMSocket socket;
};

TEST_F(ComSocketTest, OpeningIsExclusive) {
  TCOMSocket second;
  ASSERT_TRUE(second.SetPortName(pty.path));
  EXPECT_FALSE(second.Open());
  EXPECT_FALSE(socket.SetPortName("COM3")) << "no renaming while open";
  EXPECT_EQ(socket.DevicePath(), pty.path);
  EXPECT_TRUE(socket.Close());
  EXPECT_TRUE(socket.Close());
  EXPECT_TRUE(second.Open());
}

TEST_F(ComSocketTest, LineSettingsRoundTripAndAWriteNobodyTakesEndsAtItsTimeout) {
  ASSERT_TRUE(socket.GetState());
  // (A pseudo-terminal keeps the speed; it forces 8 bits without parity.)
  socket.LineSettings().BaudRate = 115200;
  ASSERT_TRUE(socket.SetState());
  socket.LineSettings() = cLineSettings{};
  ASSERT_TRUE(socket.GetState());
  EXPECT_EQ(socket.LineSettings().BaudRate, 115200u);
  socket.LineSettings().BaudRate = 12345;
  EXPECT_FALSE(socket.SetState()) << "no such line speed";
  EXPECT_TRUE(socket.SetTimeouts() && socket.SetupBuffers());
  // A write nobody takes ends at its time-out.
  socket.Timeouts().WriteTotalTimeoutMultiplier = 0;
  socket.Timeouts().WriteTotalTimeoutConstant = 50;
  const std::vector<uint8_t> lots(4 << 20, 0x55);
  EXPECT_LT(socket.Write(lots.data(), static_cast<uint32_t>(lots.size())), lots.size());
}

TEST(ComSocketClosedTest, EverythingFailsQuietlyWhileClosed) {
  TCOMSocket socket;
  uint8_t byte = 0;
  EXPECT_FALSE(socket.Open()) << "no port name set";
  EXPECT_FALSE(socket.GetState() || socket.SetState() || socket.SetTimeouts());
  EXPECT_EQ(socket.BytesAvailable() + socket.Read(&byte, 1) + socket.Write(&byte, 1), 0u);
  EXPECT_FALSE(socket.SetPortName("COMx"));
  EXPECT_TRUE(socket.SetPortName("/nonexistent/ttyOLV"));
  EXPECT_FALSE(socket.Open());
}

}  // namespace
}  // namespace olv
