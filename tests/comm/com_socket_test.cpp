// TCOMSocket over a pseudo-terminal pair, and port names. Bytes both ways,
// untranslated, are shown against olv8-sim (olv8_sim_test).
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "comm/com_socket.h"
#include "comm/port_list.h"
#include "comm/port_name.h"

namespace olv {
namespace {

// The test holds the master side of a pseudo-terminal; only the socket under
// test keeps the device side open.
TEST(ComSocketTest, OpeningIsExclusiveLineSettingsRoundTripAndAWriteNobodyTakesEndsAtItsTimeout) {
  int master = -1, slave = -1;
  char name[256] = {};
  ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
  ::close(slave);
  TCOMSocket socket, second;
  ASSERT_TRUE(socket.SetPortName(name) && socket.Open());
  ASSERT_TRUE(second.SetPortName(name));
  EXPECT_FALSE(second.Open());
  EXPECT_FALSE(socket.SetPortName("COM3")) << "no renaming while open";
  EXPECT_EQ(socket.DevicePath(), name);

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
  socket.Timeouts().WriteTotalTimeoutMultiplier = 0;
  socket.Timeouts().WriteTotalTimeoutConstant = 50;
  const std::vector<uint8_t> lots(4 << 20, 0x55);
  EXPECT_LT(socket.Write(lots.data(), static_cast<uint32_t>(lots.size())), lots.size());

  EXPECT_TRUE(socket.Close() && socket.Close());
  EXPECT_TRUE(second.Open());
  ::close(master);
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

namespace fs = std::filesystem;

TEST(PortNameTest, ComNamesDevicePathsAndTheOrderByClosingNumber) {
  for (const char* bad : {"COM0", "COMx", "com3", "LPT1", "", "COM", "COM-2", "ttyUSB0"}) {
    EXPECT_FALSE(ParsePortName(bad)) << bad;
  }
  const auto com12 = ParsePortName("COM12");
  ASSERT_TRUE(com12);
  EXPECT_TRUE(com12->Number == 12 && com12->DevicePath == "/dev/ttyS11");
  const auto usb = ParsePortName("/dev/ttyUSB3");
  ASSERT_TRUE(usb);
  EXPECT_TRUE(usb->Number == 3 && usb->DevicePath == "/dev/ttyUSB3");

  std::vector<std::string> names{"COM10", "/dev/ttyUSB10", "COM9", "/dev/ttyUSB2", "COM2", "/dev/x"};
  SortByClosingNumber(names);
  EXPECT_EQ(names, (std::vector<std::string>{"/dev/x", "/dev/ttyUSB2", "COM2", "COM9",
                                             "/dev/ttyUSB10", "COM10"}));
  EXPECT_EQ(ClosingNumber("tty99999999999999"), 2147483647);
}

TEST(PortListTest, DevicesWithHardwareBehindThemPlusExtrasAndNoneGiveAnEmptyList) {
  char pattern[] = "/tmp/olv_ports_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path root = pattern;
  auto add_tty = [&](const std::string& name, bool with_device, const char* type = nullptr) {
    fs::create_directories(root / name / (with_device ? "device" : ""));
    if (type) std::ofstream(root / name / "type") << type << "\n";
  };
  EXPECT_TRUE(ListSerialPorts((root / "missing").string(), "").empty());
  add_tty("tty1", false);
  EXPECT_TRUE(ListSerialPorts(root.string(), "").empty());
  add_tty("ttyS0", true, "4");
  add_tty("ttyS1", true, "0");  // a placeholder without a UART
  add_tty("ttyUSB10", true);
  add_tty("ttyUSB2", true);
  const auto ports = ListSerialPorts(root.string(), "/dev/pts/7::/dev/ttyUSB2: /tmp/olv-sim ");
  EXPECT_EQ(ports, (std::vector<std::string>{"/dev/ttyS0", "/tmp/olv-sim", "/dev/ttyUSB2",
                                             "/dev/pts/7", "/dev/ttyUSB10"}));
  fs::remove_all(root);
}

}  // namespace
}  // namespace olv
