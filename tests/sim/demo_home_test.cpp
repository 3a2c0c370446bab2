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

TEST(DemoHome, DataFilesLoadBackValidAreNeverReplacedUnaskedAndTheCardsStateTheDevicesAndTheirEvents) {
  char pattern[] = "/tmp/olv_demo_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string root = pattern;
  sDemoHomeSettings settings;
  settings.home = root + "/home";
  settings.port = "/tmp/ttyOLV8demo";
  settings.cards = root + "/cards";
  const auto card = [&](int id) { return settings.cards + "/" + IntToStrZeZerami(id, 8); };
  // A Wednesday morning.
  cVirtualClock clock{EncodeDateTime(2026, 11, 18, 10, 30, 0), 5000};
  std::string error;
  const auto summary = WriteDemoHome(settings, clock, &error);
  ASSERT_TRUE(summary) << error;
  cUserList users{clock};
  cDevList devices{clock};
  const auto users_read = WczytajUzytkownikow(settings.home + "/data/users.txt", users);
  const auto devices_read = WczytajUrzadzenia(settings.home + "/data/devices.txt", devices);
  ASSERT_TRUE(users_read.Wczytano && devices_read.Wczytano);
  ASSERT_EQ(users_read.PominieteLinie + devices_read.PominieteLinie, 0);
  ASSERT_EQ(users.CountUsers(), 12);
  ASSERT_EQ(devices.CountDevices(), 3);
  for (int i = 0; i < users.CountUsers(); ++i) {
    const cUzytkownik& user = *users.GetUserByIndex(i);
    EXPECT_EQ(users.SprawdzPoprawnoscDanych(std::to_string(user.ID), user.PIN, user.Karta.GetHex()), 0) << user.Nazwa;
  }
  const std::string users_file = ReadWholeFile(settings.home + "/data/users.txt").value();
  EXPECT_FALSE(WriteDemoHome(settings, clock, &error));
  EXPECT_NE(error.find("users.txt"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(settings.home + "/data/users.txt"), users_file);

  // The cards state the devices and admit their access lists, and every event
  // line stands where the manager reads it, naming a reader of devices.txt.
  cSimBus bus(clock);
  int files = 0, lines = 0;
  for (int i = 0; i < devices.CountDevices(); ++i) {
    const cUrzadzenie& device = *devices.GetDeviceByIndex(i);
    SCOPED_TRACE(device.Nazwa);
    EXPECT_EQ(device.Polaczenie, (cWlasciwosciPolaczenia{settings.port, 115200}));
    EXPECT_EQ(devices.SprawdzPoprawnoscDanych(device.Nazwa, device.GetIDString(), device.Czytnik0,
                                               device.Czytnik1, false, {}),
              0);
    for (int e = 0; e < device.ListaDostepow.Count(); ++e) {
      const int32_t unique = ParseInt(device.ListaDostepow.GetWpis(e)).value_or(0);
      EXPECT_NE(users.GetUserByUnique(unique), nullptr);
    }
    ASSERT_TRUE(bus.AddDevice(device.ID, card(device.ID), &error)) << error;
    const cSimDevice& simulated = *bus.FindDevice(device.ID);
    EXPECT_EQ(simulated.Config().device_id, Utf8ToCp1250(device.Nazwa));
    EXPECT_EQ(simulated.Config().port0, Utf8ToCp1250(device.Czytnik0.Nazwa));
    EXPECT_EQ(simulated.Config().port1, Utf8ToCp1250(device.Czytnik1.Nazwa));
    ASSERT_EQ(static_cast<int>(simulated.Users().size()), device.ListaDostepow.Count());
    for (const sCardUser& admitted : simulated.Users()) {
      const cUzytkownik* user = users.GetUserByID(admitted.id);
      ASSERT_NE(user, nullptr);
      EXPECT_TRUE(device.ListaDostepow.Zawiera(user->Unique));
      EXPECT_EQ(admitted.pin, user->PIN);
    }
    for (const std::string& name : ListFiles(card(device.ID), ".CSV")) {
      ++files;
      // YYYYMMDD.CSV holds the events of that day.
      const std::string date = name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2);
      for (const std::string& line : SplitLines(ReadWholeFile(card(device.ID) + "/" + name).value())) {
        ++lines;
        SCOPED_TRACE(line);
        const sEventRead read = ReadAsTheManagerDoes(line);
        std::string shape = read.id + " " + read.time;
        for (char& c : shape) c = c >= '0' && c <= '9' ? '9' : c;
        ASSERT_EQ(shape, "9999 99:99:99");
        const int id = ParseInt(read.id).value();
        EXPECT_TRUE(id == 0 || users.GetUserByID(id) != nullptr);
        EXPECT_EQ(read.date, date);
        EXPECT_TRUE(read.marker == 'p' || read.marker == ' ');
        const cCzytnik& reader = line[32] == '1' ? device.Czytnik1 : device.Czytnik0;
        EXPECT_EQ(Cp1250ToUtf8(read.reader), reader.Nazwa);
      }
    }
  }
  EXPECT_EQ(files, summary->event_files);
  EXPECT_EQ(lines, summary->events);
  EXPECT_GT(lines, 0);
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace olv::simtest
