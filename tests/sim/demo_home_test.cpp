#include "sim/demo_home.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "common/cp1250.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/users_file.h"
#include "sim/demo_home_options.h"
#include "sim/device_config.h"
#include "sim/event_line.h"
#include "sim/public_holidays.h"
#include "sim/sim_bus.h"

namespace olv {
namespace {

// A Wednesday morning; the six weeks before it hold All Saints' Day (a
// Sunday) and Independence Day (a Wednesday).
const double kNow = EncodeDateTime(2026, 11, 18, 10, 30, 0);
constexpr int kWeeks = 6;

// One event line read at the character positions the manager reads.
struct sLine {
  int user_id = -1;
  double date = 0;
  int second = -1;
  char marker = '?';
  int port = -1;
  std::string reader;  // UTF-8
};

std::optional<int> Number(const std::string& line, size_t from, size_t count) {
  const std::string text = line.substr(from, count);
  if (!ZawieraTylkoZnaki(text, "0123456789") || text.empty()) return std::nullopt;
  return ParseInt(text);
}

// Empty when a field is not where it belongs: user ID in 1-4, "," in 5, the
// date in 7-16, the time in 19-26, the marker in 30, and after 32 the
// reader's port and its name as the last field, one character each side.
std::optional<sLine> ReadLine(const std::string& line) {
  if (line.size() < 36 || line[4] != ',') return std::nullopt;
  const auto id = Number(line, 0, 4), year = Number(line, 6, 4), month = Number(line, 11, 2),
             day = Number(line, 14, 2), hour = Number(line, 18, 2), minute = Number(line, 21, 2),
             second = Number(line, 24, 2), port = Number(line, 32, 1);
  if (!id || !year || !month || !day || !hour || !minute || !second || !port) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month) || *hour > 23 ||
      *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  // The manager's rule: drop 32 characters, then up to the first comma and
  // one character more, then the last character.
  std::string rest = line.substr(32);
  const size_t comma = rest.find(',');
  if (comma == std::string::npos || rest.size() < comma + 3) return std::nullopt;
  if (rest[comma + 1] != '"' || rest.back() != '"') return std::nullopt;
  rest = rest.substr(comma + 2, rest.size() - comma - 3);
  return sLine{*id,
               EncodeDate(*year, *month, *day),
               *hour * 3600 + *minute * 60 + *second,
               line[29],
               *port,
               Cp1250ToUtf8(rest)};
}

class DemoHome : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/olv_demo_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mRoot = pattern;
    mSpec.home = mRoot + "/home";
    mSpec.port = "/tmp/ttyOLV8demo";
    mSpec.cards = mRoot + "/cards";
    mSpec.weeks = kWeeks;
  }
  void TearDown() override { std::filesystem::remove_all(mRoot); }

  sDemoHomeSummary Write() {
    std::string error;
    const auto summary = WriteDemoHome(mSpec, mClock, &error);
    EXPECT_TRUE(summary) << error;
    return summary.value_or(sDemoHomeSummary{});
  }
  void Load() {
    const cWynikWczytania users = WczytajUzytkownikow(mSpec.home + "/data/users.txt", mUsers);
    const cWynikWczytania devices = WczytajUrzadzenia(mSpec.home + "/data/devices.txt", mDevices);
    ASSERT_TRUE(users.Wczytano && devices.Wczytano);
    EXPECT_EQ(users.PominieteLinie + devices.PominieteLinie, 0);
  }
  std::string Card(int id) const { return mSpec.cards + "/" + IntToStrZeZerami(id, 8); }
  // Every event file of a card, by name.
  std::map<std::string, std::vector<std::string>> EventFiles(int id) const {
    std::map<std::string, std::vector<std::string>> files;
    for (const std::string& name : ListFiles(Card(id), ".CSV")) {
      files[name] = SplitLines(ReadWholeFile(Card(id) + "/" + name).value_or(""));
    }
    return files;
  }

  std::string mRoot;
  sDemoHomeSpec mSpec;
  cVirtualClock mClock{kNow, 5000};
  cUserList mUsers{mClock};
  cDevList mDevices{mClock};
};

TEST_F(DemoHome, DataFilesLoadBackWithADozenUsersAndTheDevicesOnThePort) {
  const sDemoHomeSummary summary = Write();
  EXPECT_EQ(summary.users, 12);
  EXPECT_EQ(summary.devices, 3);
  Load();
  ASSERT_EQ(mUsers.CountUsers(), 12);
  ASSERT_EQ(mDevices.CountDevices(), 3);

  std::set<int32_t> uniques;
  int card_only = 0, pin_only = 0, both = 0;
  for (int i = 0; i < mUsers.CountUsers(); ++i) {
    const cUzytkownik& user = *mUsers.GetUserByIndex(i);
    uniques.insert(user.Unique);
    EXPECT_EQ(
        mUsers.SprawdzPoprawnoscDanych(std::to_string(user.ID), user.PIN, user.Karta.GetHex()), 0)
        << user.Nazwa;
    const bool card = user.Karta.GetWartosc() != 0;
    card_only += card && user.PIN.empty();
    pin_only += !card && !user.PIN.empty();
    both += card && !user.PIN.empty();
    EXPECT_LT(user.CzasyPracy.PoczatekPracy, user.CzasyPracy.KoniecPracy);
    EXPECT_FALSE(user.CzasyPracy.CzyDzienPracy(6) || user.CzasyPracy.CzyDzienPracy(7));
  }
  EXPECT_GT(card_only, 0);
  EXPECT_GT(pin_only, 0);
  EXPECT_GT(both, 0);
  EXPECT_EQ(mUsers.GetUserByID(8)->Nazwa, "Łukasz Zieliński");
  EXPECT_EQ(mUsers.GetUserByID(9)->CzasyPracy.ToString(), "135");

  const cUrzadzenie& entrance = *mDevices.GetDeviceByID(2);
  EXPECT_EQ(entrance.Nazwa, "Wejście główne");
  EXPECT_EQ(entrance.Czytnik0.Tryb, cCzytnik::kWejscie);
  EXPECT_EQ(entrance.Czytnik1.Tryb, cCzytnik::kWyjscie);
  EXPECT_EQ(entrance.ListaDostepow.Count(), 12);
  EXPECT_EQ(mDevices.GetDeviceByID(3)->Nazwa, "Magazyn");
  EXPECT_EQ(mDevices.GetDeviceByID(4)->Nazwa, "Biuro");
  for (int i = 0; i < mDevices.CountDevices(); ++i) {
    const cUrzadzenie& device = *mDevices.GetDeviceByIndex(i);
    uniques.insert(device.Unique);
    EXPECT_EQ(device.Polaczenie.Port, mSpec.port);
    EXPECT_EQ(device.Polaczenie.Predkosc, 115200);
    EXPECT_EQ(mDevices.SprawdzPoprawnoscDanych(device.Nazwa, device.GetIDString(), device.Czytnik0,
                                               device.Czytnik1, false, {}),
              0);
    EXPECT_NE(device.Czytnik0.Nazwa, device.Czytnik1.Nazwa);
    for (int e = 0; e < device.ListaDostepow.Count(); ++e) {
      const auto unique = ParseInt(device.ListaDostepow.GetWpis(e));
      ASSERT_TRUE(unique);
      EXPECT_NE(mUsers.GetUserByUnique(*unique), nullptr);
    }
  }
  EXPECT_EQ(uniques.size(), 15u) << "no two records share a Unique";
  EXPECT_EQ(uniques.count(0), 0u);
}

TEST_F(DemoHome, CardsStateTheRegisteredDevicesAndTheSimulatorTakesThem) {
  Write();
  Load();
  cSimBus bus(mClock);
  for (int i = 0; i < mDevices.CountDevices(); ++i) {
    const cUrzadzenie& device = *mDevices.GetDeviceByIndex(i);
    cDeviceConfig config;
    config.Apply(ReadWholeFile(Card(device.ID) + "/KONFOUT.TXT").value_or(""));
    EXPECT_EQ(config.device_id, Utf8ToCp1250(device.Nazwa));
    EXPECT_EQ(config.port0, Utf8ToCp1250(device.Czytnik0.Nazwa));
    EXPECT_EQ(config.port1, Utf8ToCp1250(device.Czytnik1.Nazwa));
    EXPECT_EQ(config.rsid, device.ID);

    std::string error;
    ASSERT_TRUE(bus.AddDevice(device.ID, Card(device.ID), &error)) << error;
    const cSimDevice& simulated = *bus.FindDevice(device.ID);
    EXPECT_EQ(simulated.Config().port0, config.port0);
    ASSERT_EQ(static_cast<int>(simulated.Users().size()), device.ListaDostepow.Count());
    for (const sCardUser& admitted : simulated.Users()) {
      const cUzytkownik* user = mUsers.GetUserByID(admitted.id);
      ASSERT_NE(user, nullptr);
      EXPECT_TRUE(device.ListaDostepow.Zawiera(user->Unique));
      EXPECT_EQ(admitted.pin, user->PIN);
    }
  }
}

TEST_F(DemoHome, EventLinesStandWhereTheManagerReadsThemWithTheDevicesReaderNames) {
  const sDemoHomeSummary summary = Write();
  Load();
  const double today = DateOf(kNow);
  const double first_day = today - (kWeeks * 7 - 1);
  int files = 0, lines = 0, refused = 0, by_pin = 0;
  for (int i = 0; i < mDevices.CountDevices(); ++i) {
    const cUrzadzenie& device = *mDevices.GetDeviceByIndex(i);
    for (const auto& [name, file_lines] : EventFiles(device.ID)) {
      ++files;
      SCOPED_TRACE(device.Nazwa + " " + name);
      const auto y = ParseInt(name.substr(0, 4)), m = ParseInt(name.substr(4, 2)),
                 d = ParseInt(name.substr(6, 2));
      ASSERT_TRUE(y && m && d && name.substr(8) == ".CSV");
      const double date = EncodeDate(*y, *m, *d);
      EXPECT_GE(date, first_day);
      EXPECT_LE(date, today);
      EXPECT_NE(DayOfWeek(date), 1);
      EXPECT_NE(DayOfWeek(date), 7);
      EXPECT_FALSE(IsPublicHoliday(date));
      ASSERT_FALSE(file_lines.empty());
      int previous = -1;
      for (const std::string& text : file_lines) {
        ++lines;
        const auto line = ReadLine(text);
        ASSERT_TRUE(line) << text;
        EXPECT_EQ(line->date, date) << text;
        EXPECT_GE(line->second, previous) << "lines in time order";
        previous = line->second;
        EXPECT_TRUE(line->marker == 'p' || line->marker == ' ') << text;
        const cCzytnik& reader = line->port == 1 ? device.Czytnik1 : device.Czytnik0;
        EXPECT_EQ(line->reader, reader.Nazwa) << text;
        if (line->user_id == 0) {
          ++refused;
        } else {
          const cUzytkownik* user = mUsers.GetUserByID(line->user_id);
          ASSERT_NE(user, nullptr) << text;
          EXPECT_TRUE(device.ListaDostepow.Zawiera(user->Unique)) << text;
          EXPECT_TRUE(user->CzasyPracy.CzyDzienPracyTygodnia(DayOfWeek(date))) << text;
          if (line->marker == 'p') {
            EXPECT_FALSE(user->PIN.empty()) << text;
          }
          if (user->Karta.GetWartosc() == 0) {
            EXPECT_EQ(line->marker, 'p') << text;
          }
        }
        by_pin += line->marker == 'p';
        if (date == today) {
          EXPECT_LE(line->second, 10 * 3600 + 30 * 60) << "nothing after now";
        }
      }
    }
  }
  EXPECT_EQ(files, summary.event_files);
  EXPECT_EQ(lines, summary.events);
  EXPECT_GT(refused, 0);
  EXPECT_GT(by_pin, 0);

  // The main entrance saw every working day, today's morning included.
  int working_days = 0;
  const auto entrance = EventFiles(2);
  for (double date = first_day; date <= today; ++date) {
    if (DayOfWeek(date) == 1 || DayOfWeek(date) == 7 || IsPublicHoliday(date)) continue;
    ++working_days;
    EXPECT_TRUE(entrance.count(EventFileName(DecodeDateTime(date)))) << FormatDate(date);
  }
  EXPECT_EQ(working_days, 29);
}

TEST_F(DemoHome, PeopleComeInAroundTheStartOfWorkAndLeaveAfterItsEnd) {
  Write();
  Load();
  // Per user and day, the punches of the readers that have a direction.
  std::map<std::pair<int, double>, std::vector<std::pair<int, int8_t>>> days;
  for (int i = 0; i < mDevices.CountDevices(); ++i) {
    const cUrzadzenie& device = *mDevices.GetDeviceByIndex(i);
    for (const auto& [name, file_lines] : EventFiles(device.ID)) {
      for (const std::string& text : file_lines) {
        const auto line = ReadLine(text);
        ASSERT_TRUE(line);
        const int8_t mode = (line->port == 1 ? device.Czytnik1 : device.Czytnik0).Tryb;
        if (line->user_id != 0 && mode != cCzytnik::kNeutralny) {
          days[{line->user_id, line->date}].push_back({line->second, mode});
        }
      }
    }
  }
  const double today = DateOf(kNow);
  int full_days = 0;
  std::set<int> present_today;
  for (auto& [key, punches] : days) {
    std::sort(punches.begin(), punches.end());
    const cCzasyUzytkownika& times = mUsers.GetUserByID(key.first)->CzasyPracy;
    const int start = static_cast<int>(std::lround(times.PoczatekPracy * 86400));
    const int end = static_cast<int>(std::lround(times.KoniecPracy * 86400));
    EXPECT_EQ(punches.front().second, cCzytnik::kWejscie);
    EXPECT_GE(punches.front().first, start - 45 * 60);
    EXPECT_LE(punches.front().first, start + 40 * 60);
    if (key.second == today) {
      present_today.insert(key.first);
      continue;
    }
    ++full_days;
    EXPECT_EQ(punches.back().second, cCzytnik::kWyjscie);
    EXPECT_GE(punches.back().first, end - 25 * 60);
    EXPECT_LE(punches.back().first, end + 75 * 60);
  }
  // Twelve people, 27 past working days (the part-timer fewer), some away.
  EXPECT_GT(full_days, 200);
  EXPECT_LT(full_days, 12 * 27);
  EXPECT_FALSE(present_today.empty());
}

TEST_F(DemoHome, TheSameSeedGivesTheSameFilesAndExistingDataIsKept) {
  Write();
  const auto first = EventFiles(3);
  const std::string users = ReadWholeFile(mSpec.home + "/data/users.txt").value_or("");

  std::string error;
  EXPECT_FALSE(WriteDemoHome(mSpec, mClock, &error));
  EXPECT_NE(error.find("users.txt"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(mSpec.home + "/data/users.txt"), users);

  mSpec.overwrite = true;
  Write();
  EXPECT_EQ(EventFiles(3), first);
  mSpec.seed = 2;
  Write();
  EXPECT_NE(EventFiles(3), first);
}

TEST_F(DemoHome, OneDeviceTakesEverybodyAndNoCardsMeansNone) {
  mSpec.bus_ids = {5};
  Write();
  Load();
  ASSERT_EQ(mDevices.CountDevices(), 1);
  EXPECT_EQ(mDevices.GetDeviceByIndex(0)->ListaDostepow.Count(), 12);
  std::set<int> users_seen;
  for (const auto& [name, file_lines] : EventFiles(5)) {
    for (const std::string& text : file_lines) users_seen.insert(ReadLine(text)->user_id);
  }
  EXPECT_EQ(users_seen.size(), 13u) << "every user and the refused 0000";

  std::filesystem::remove_all(mRoot);
  mSpec.cards.clear();
  mSpec.bus_ids = {2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(Write().devices, 8);
  EXPECT_FALSE(DirectoryExists(mRoot + "/cards"));
}

TEST(PublicHolidays, FixedAndMovableFeasts) {
  EXPECT_EQ(EasterSunday(2024), EncodeDate(2024, 3, 31));
  EXPECT_EQ(EasterSunday(2025), EncodeDate(2025, 4, 20));
  EXPECT_EQ(EasterSunday(2026), EncodeDate(2026, 4, 5));
  EXPECT_TRUE(IsPublicHoliday(EncodeDate(2026, 4, 6)));  // Easter Monday
  EXPECT_TRUE(IsPublicHoliday(EncodeDate(2026, 6, 4)));  // Corpus Christi
  EXPECT_TRUE(IsPublicHoliday(EncodeDateTime(2026, 11, 11, 9, 0, 0)));
  EXPECT_FALSE(IsPublicHoliday(EncodeDate(2026, 11, 12)));
  EXPECT_FALSE(IsPublicHoliday(EncodeDate(2024, 12, 24)));
  EXPECT_TRUE(IsPublicHoliday(EncodeDate(2025, 12, 24)));
}

TEST(DemoHomeOptions, DefaultsAndRefusals) {
  std::string error;
  auto options = ParseDemoHomeOptions({"--home", "/h", "--port", "/dev/ttyUSB0"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->spec.cards, "/h/cards");
  EXPECT_EQ(options->spec.bus_ids, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(options->spec.weeks, 6);
  EXPECT_FALSE(options->spec.overwrite);

  options = ParseDemoHomeOptions({"--home", "/h", "--port", "COM3", "--ids", "9,2", "--no-cards",
                                  "--weeks", "2", "--seed", "7", "--force"},
                                 &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->spec.bus_ids, (std::vector<int>{9, 2}));
  EXPECT_TRUE(options->spec.cards.empty());
  EXPECT_EQ(options->spec.weeks, 2);
  EXPECT_EQ(options->spec.seed, 7u);
  EXPECT_TRUE(options->spec.overwrite);

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--port", "COM1"},
        {"--home", "/h"},
        {"--home", "/h", "--port", "COM1", "--ids", "2,2"},
        {"--home", "/h", "--port", "COM1", "--ids", "1,2"},
        {"--home", "/h", "--port", "COM1", "--ids", "2,,3"},
        {"--home", "/h", "--port", "COM1", "--ids", ""},
        {"--home", "/h", "--port", "COM1", "--weeks", "0"},
        {"--home", "/h", "--port", "COM1", "--cards", "/c", "--no-cards"},
        {"--home", "/h", "--port"},
        {"--bogus"}}) {
    EXPECT_FALSE(ParseDemoHomeOptions(bad, &error)) << bad.back();
  }
}

}  // namespace
}  // namespace olv
