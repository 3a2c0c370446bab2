// The demo home as the manager reads it: the data files load back whole, the
// cards state the registered devices, and every event line stands where the
// manager reads it, naming a reader of devices.txt.
#include "sim/demo_home.h"

#include "common/cp1250.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/strings.h"
#include "model/data_files.h"
#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

class DemoHome : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/olv_demo_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mRoot = pattern;
    mSettings.home = mRoot + "/home";
    mSettings.port = "/tmp/ttyOLV8demo";
    mSettings.cards = mRoot + "/cards";
    std::string error;
    const auto summary = WriteDemoHome(mSettings, mClock, &error);
    ASSERT_TRUE(summary) << error;
    mSummary = *summary;
    const auto users = WczytajUzytkownikow(mSettings.home + "/data/users.txt", mUsers);
    const auto devices = WczytajUrzadzenia(mSettings.home + "/data/devices.txt", mDevices);
    ASSERT_TRUE(users.Wczytano && devices.Wczytano);
    ASSERT_EQ(users.PominieteLinie + devices.PominieteLinie, 0);
  }
  void TearDown() override { std::filesystem::remove_all(mRoot); }

  std::string Card(int id) const { return mSettings.cards + "/" + IntToStrZeZerami(id, 8); }

  std::string mRoot;
  sDemoHomeSettings mSettings;
  sDemoHomeSummary mSummary;
  // A Wednesday morning.
  cVirtualClock mClock{EncodeDateTime(2026, 11, 18, 10, 30, 0), 5000};
  cUserList mUsers{mClock};
  cDevList mDevices{mClock};
};

TEST_F(DemoHome, DataFilesLoadBackValidAreNeverReplacedUnaskedAndTheCardsStateTheDevicesAndTheirEvents) {
  ASSERT_EQ(mUsers.CountUsers(), 12);
  ASSERT_EQ(mDevices.CountDevices(), 3);
  for (int i = 0; i < mUsers.CountUsers(); ++i) {
    const cUzytkownik& user = *mUsers.GetUserByIndex(i);
    const std::string id = std::to_string(user.ID);
    EXPECT_EQ(mUsers.SprawdzPoprawnoscDanych(id, user.PIN, user.Karta.GetHex()), 0) << user.Nazwa;
  }
  const std::string users = ReadWholeFile(mSettings.home + "/data/users.txt").value();
  std::string error;
  EXPECT_FALSE(WriteDemoHome(mSettings, mClock, &error));
  EXPECT_NE(error.find("users.txt"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(mSettings.home + "/data/users.txt"), users);

  // The cards state the devices and admit their access lists, and every event
  // line stands where the manager reads it, naming a reader of devices.txt.
  cSimBus bus(mClock);
  int files = 0, lines = 0;
  for (int i = 0; i < mDevices.CountDevices(); ++i) {
    const cUrzadzenie& device = *mDevices.GetDeviceByIndex(i);
    SCOPED_TRACE(device.Nazwa);
    EXPECT_EQ(device.Polaczenie, (cWlasciwosciPolaczenia{mSettings.port, 115200}));
    EXPECT_EQ(mDevices.SprawdzPoprawnoscDanych(device.Nazwa, device.GetIDString(), device.Czytnik0,
                                               device.Czytnik1, false, {}),
              0);
    for (int e = 0; e < device.ListaDostepow.Count(); ++e) {
      const int32_t unique = ParseInt(device.ListaDostepow.GetWpis(e)).value_or(0);
      EXPECT_NE(mUsers.GetUserByUnique(unique), nullptr);
    }
    ASSERT_TRUE(bus.AddDevice(device.ID, Card(device.ID), &error)) << error;
    const cSimDevice& simulated = *bus.FindDevice(device.ID);
    EXPECT_EQ(simulated.Config().device_id, Utf8ToCp1250(device.Nazwa));
    EXPECT_EQ(simulated.Config().port0, Utf8ToCp1250(device.Czytnik0.Nazwa));
    EXPECT_EQ(simulated.Config().port1, Utf8ToCp1250(device.Czytnik1.Nazwa));
    ASSERT_EQ(static_cast<int>(simulated.Users().size()), device.ListaDostepow.Count());
    for (const sCardUser& admitted : simulated.Users()) {
      const cUzytkownik* user = mUsers.GetUserByID(admitted.id);
      ASSERT_NE(user, nullptr);
      EXPECT_TRUE(device.ListaDostepow.Zawiera(user->Unique));
      EXPECT_EQ(admitted.pin, user->PIN);
    }
    for (const std::string& name : ListFiles(Card(device.ID), ".CSV")) {
      ++files;
      // YYYYMMDD.CSV holds the events of that day.
      const std::string date = name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2);
      for (const std::string& line : SplitLines(ReadWholeFile(Card(device.ID) + "/" + name).value())) {
        ++lines;
        SCOPED_TRACE(line);
        const sEventRead read = ReadAsTheManagerDoes(line);
        std::string shape = read.id + " " + read.time;
        for (char& c : shape) c = c >= '0' && c <= '9' ? '9' : c;
        ASSERT_EQ(shape, "9999 99:99:99");
        const int id = ParseInt(read.id).value();
        EXPECT_TRUE(id == 0 || mUsers.GetUserByID(id) != nullptr);
        EXPECT_EQ(read.date, date);
        EXPECT_TRUE(read.marker == 'p' || read.marker == ' ');
        const cCzytnik& reader = line[32] == '1' ? device.Czytnik1 : device.Czytnik0;
        EXPECT_EQ(Cp1250ToUtf8(read.reader), reader.Nazwa);
      }
    }
  }
  EXPECT_EQ(files, mSummary.event_files);
  EXPECT_EQ(lines, mSummary.events);
  EXPECT_GT(lines, 0);
}

}  // namespace
}  // namespace olv::simtest
