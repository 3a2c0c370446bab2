#include "comm/port_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "comm/port_list.h"

namespace olv {
namespace {

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

class PortListTest : public ::testing::Test {
 protected:
  PortListTest() {
    root = fs::temp_directory_path() /
           ("olv_ports_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            std::to_string(reinterpret_cast<uintptr_t>(this)));
    fs::create_directories(root);
  }
  ~PortListTest() override { fs::remove_all(root); }

  void AddTty(const std::string& name, bool with_device, const char* type = nullptr) {
    fs::create_directories(root / name);
    if (with_device) fs::create_directories(root / name / "device");
    if (type) std::ofstream(root / name / "type") << type << "\n";
  }

  fs::path root;
};

TEST_F(PortListTest, DevicesWithHardwareBehindThemPlusExtrasAndNoneGiveAnEmptyList) {
  EXPECT_TRUE(ListSerialPorts((root / "missing").string(), "").empty());
  AddTty("tty1", false);
  EXPECT_TRUE(ListSerialPorts(root.string(), "").empty());
  AddTty("ttyS0", true, "4");
  AddTty("ttyS1", true, "0");  // a placeholder without a UART
  AddTty("ttyUSB10", true);
  AddTty("ttyUSB2", true);
  const auto ports = ListSerialPorts(root.string(), "/dev/pts/7::/dev/ttyUSB2: /tmp/olv-sim ");
  EXPECT_EQ(ports, (std::vector<std::string>{"/dev/ttyS0", "/tmp/olv-sim", "/dev/ttyUSB2",
                                             "/dev/pts/7", "/dev/ttyUSB10"}));
}

}  // namespace
}  // namespace olv
