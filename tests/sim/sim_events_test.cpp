#include <random>

#include "common/files.h"
#include "common/strings.h"
#include "model/pin_table.h"
#include "sim/event_generator.h"
#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

// The line's positions are checked on every line of the demo's weeks of events
// (demo_home_test); here one line whole, and the generator.
class SimEvents : public SimBusTest {};

TEST_F(SimEvents, EventsGoToTheFileOfTheDayWithTheReaderLabel) {
  cSimDevice& device = AddDevice(2);
  // The virtual clock starts at 2024-05-07 09:00.
  mClock.AdvanceMs(61000);
  ASSERT_TRUE(device.RecordEvent(7, 0, false));
  ASSERT_TRUE(device.RecordEvent(0, 1, false));
  const auto file = ReadWholeFile(CardFolder(2) + "/20240507.CSV");
  ASSERT_TRUE(file);
  const auto lines = SplitLines(*file);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "0007, 2024-05-07, 09:01:01,   , 0,\"wej\x9C" "cie\"");
  EXPECT_EQ(ReadAsTheManagerDoes(lines[1]).reader, "wyj\x9C" "cie");
  // The file is on the device's list like any other.
  Send(ActivationFrame(2) + FileListRequest());
  EXPECT_NE(TakeAll().find("20240507.CSV "), std::string::npos);
}

TEST_F(SimEvents, GeneratorVisitsTheUsersADeviceKnows) {
  std::mt19937 random(3);
  ASSERT_TRUE(CreateDirectory(CardFolder(3)));
  ASSERT_TRUE(WriteFileAtomically(
      CardFolder(3) + "/USERS.TXT",
      std::string(8, ' ') + "0042u" + Bytes({0x00}) + ScramblePin("1234", random) +
          Bytes({0x00}) + "Ola\r\n"));
  AddDevice(3);
  cEventGenerator visits(mClock, mBus, 1000, 11);
  mClock.AdvanceMs(10000);
  const auto lines = SplitLines(ReadWholeFile(CardFolder(3) + "/20240507.CSV").value_or(""));
  ASSERT_EQ(lines.size(), 10u);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.substr(0, 4), "0042");
    // No card: always by PIN.
    EXPECT_EQ(line[29], 'p');
  }
}

}  // namespace
}  // namespace olv::simtest
