#include <random>

#include "common/files.h"
#include "common/strings.h"
#include "model/pin_table.h"
#include "sim/event_generator.h"
#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

TEST_F(SimBusTest, KonfoutIsCompletedWithTheBusIdAndNamesTheScanAnswer) {
  const std::string ports = "port0=wej\x9C" "cie\r\nport1=wyj\x9C" "cie\r\n";
  const struct {
    int id;
    std::string name, before, after;
  } cases[] = {
      {2, "", "", "DeviceID=Rejestrator OLV\r\n" + ports + "button=off\r\nRSID=2\r\n"},
      // One file per name, as on a FAT card: a lower-case copy is replaced.
      {3, "konfout.txt", "DeviceID=Magazyn\r\nbutton=on\r\nport0=A\r\nport1=B\r\nRSID=6\r\n",
       "DeviceID=Magazyn\r\nport0=A\r\nport1=B\r\nbutton=on\r\nRSID=3\r\n"},
      {5, "KONFOUT.TXT", "DeviceID=Brama\xFF" "A\r\nRSID=5\r\n",
       "DeviceID=Brama\xFF" "A\r\n" + ports + "button=off\r\nRSID=5\r\n"}};
  for (const auto& c : cases) {
    if (!c.name.empty()) {
      ASSERT_TRUE(CreateDirectory(CardFolder(c.id)));
      ASSERT_TRUE(WriteFileAtomically(CardFolder(c.id) + "/" + c.name, c.before));
    }
    AddDevice(c.id);
    EXPECT_EQ(ReadWholeFile(CardFolder(c.id) + "/KONFOUT.TXT"), c.after) << c.id;
    EXPECT_EQ(ListFiles(CardFolder(c.id)), std::vector<std::string>{"KONFOUT.TXT"}) << c.id;
  }
  // A 0xFF in the name would end the answer early: it goes out as '?'.
  Send(ScanFrame());
  mClock.AdvanceMs(500);
  EXPECT_NE(TakeAll().find(Bytes({0xFF, 5, 0x0A, 0x46, '#'}) + "Brama?A" + Bytes({0x00})), std::string::npos);
}

// A FAT card: a name in any case is the one file; a folder holding two names
// that differ only in case cannot stand for a card.
TEST_F(SimBusTest, BusRefusesACardWithTwoNamesDifferingInCaseANinthDeviceAndIdsOutsideOneToNineOrTaken) {
  ASSERT_TRUE(CreateDirectory(CardFolder(2)));
  ASSERT_TRUE(WriteFileAtomically(CardFolder(2) + "/21051110.csv", "a"));
  ASSERT_TRUE(WriteFileAtomically(CardFolder(2) + "/21051110.CSV", "b"));
  std::string error;
  EXPECT_FALSE(mBus.AddDevice(2, CardFolder(2), &error));
  EXPECT_NE(error.find("both 21051110.CSV and 21051110.csv"), std::string::npos) << error;
  EXPECT_EQ(mBus.DeviceCount(), 0u);
  ASSERT_TRUE(DeleteFile(CardFolder(2) + "/21051110.CSV"));
  EXPECT_EQ(AddDevice(2).Card().Read("21051110.Csv"), "a");

  EXPECT_FALSE(mBus.AddDevice(0, CardFolder(0), &error));
  EXPECT_FALSE(mBus.AddDevice(10, CardFolder(1), &error));
  for (int id : {1, 3, 4, 5, 6, 7, 8}) AddDevice(id);
  EXPECT_FALSE(mBus.AddDevice(8, CardFolder(8), &error));
  EXPECT_FALSE(mBus.AddDevice(9, CardFolder(9), &error));
  EXPECT_EQ(error, "the bus holds at most 8 devices");
  EXPECT_EQ(mBus.DeviceCount(), 8u);
}

TEST_F(SimBusTest, CutAndDamagedLinesLoseWhatTheySayAndDamageIsReplayedBySeed) {
  cSimDevice& device = AddDevice(2);
  Send(ActivationFrame(2));
  device.CutLineAfter(6, false);
  Send(FileListRequest());
  EXPECT_EQ(TakeAll(), Bytes({0xFF, 0x02, 0x01, 0x3A}) + "KO");
  Send(FileListRequest());
  EXPECT_EQ(TakeAll().back(), '\x15');

  device.CutLineAfter(3, true);
  Send(FileListRequest());
  Send(FileListRequest());
  EXPECT_EQ(TakeAll(), Bytes({0xFF, 0x02, 0x01}));
  EXPECT_TRUE(device.IsSilent());

  // Line damage is replayed by seed and counted in both directions.
  device.SetSilent(false);
  auto run = [this](uint32_t seed) {
    mBus.SetFaultSeed(seed);
    mBus.SetFaultsToHost({0.05, 0.05});
    Send(ActivationFrame(2));
    for (int i = 0; i < 20; ++i) Send(FileListRequest());
    return TakeAll();
  };
  const std::string first = run(7);
  EXPECT_GT(mBus.FaultsToHost().Garbled(), 0u);
  EXPECT_GT(mBus.FaultsToHost().Dropped(), 0u);
  EXPECT_EQ(run(7), first);
  EXPECT_NE(run(8), first);
}

// The line's positions are checked on every line of the demo's weeks of events
// (demo_home_test); here one line whole, and the generator.
// The generator visits the users a device knows; each event goes to the file
// of the day with the reader's label.
TEST_F(SimBusTest, EventsGoToTheFileOfTheDayWithTheReaderLabelForTheUsersADeviceKnows) {
  std::mt19937 random(3);
  ASSERT_TRUE(CreateDirectory(CardFolder(3)));
  ASSERT_TRUE(WriteFileAtomically(
      CardFolder(3) + "/USERS.TXT",
      std::string(8, ' ') + "0042u" + Bytes({0x00}) + ScramblePin("1234", random) +
          Bytes({0x00}) + "Ola\r\n"));
  AddDevice(3);
  {
    cEventGenerator visits(mClock, mBus, 1000, 11);
    mClock.AdvanceMs(10000);
  }
  const auto visited = SplitLines(ReadWholeFile(CardFolder(3) + "/20240507.CSV").value_or(""));
  ASSERT_EQ(visited.size(), 10u);
  for (const std::string& line : visited) {
    EXPECT_EQ(line.substr(0, 4), "0042");
    // No card: always by PIN.
    EXPECT_EQ(line[29], 'p');
  }

  cSimDevice& device = AddDevice(2);
  // The virtual clock started at 2024-05-07 09:00.
  mClock.AdvanceMs(51000);
  ASSERT_TRUE(device.RecordEvent(7, 0, false));
  ASSERT_TRUE(device.RecordEvent(0, 1, false));
  const auto lines = SplitLines(ReadWholeFile(CardFolder(2) + "/20240507.CSV").value_or(""));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "0007, 2024-05-07, 09:01:01,   , 0,\"wej\x9C" "cie\"");
  EXPECT_EQ(ReadAsTheManagerDoes(lines[1]).reader, "wyj\x9C" "cie");
}

}  // namespace
}  // namespace olv::simtest
