// data/users.txt and data/devices.txt against fixtures written as a Polish
// Windows installation writes them (CP1250, decimal commas, Base64, CR LF).
#include "model/data_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/base64.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "tests/model/model_test_support.h"

namespace olv {
namespace {

std::string Fixture(const std::string& name) {
  return std::string(OLV_SOURCE_DIR) + "/tests/model/data/" + name;
}

double Time(int hour, int minute) { return EncodeDateTime(1899, 12, 30, hour, minute, 0); }

class DataFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto log = [this](const std::string& t) { log_.push_back(t); };
    users_.UstawFunkcjeLogujaca(log);
    devices_.UstawFunkcjeLogujaca(log);
  }

  bool Logged(const std::string& start) const {
    for (const auto& line : log_) {
      if (line.starts_with(start)) return true;
    }
    return false;
  }

  test::cTempFolder folder_;
  const std::string dir_ = folder_.Path();
  cVirtualClock clock_;
  cUserList users_{clock_};
  cDevList devices_{clock_};
  std::vector<std::string> log_;
};

TEST_F(DataFilesTest, LoadsWhatAPolishWindowsInstallationWritesAndSavesItBackEqual) {
  const cWynikWczytania result = WczytajUzytkownikow(Fixture("users_windows.txt"), users_);
  EXPECT_TRUE(result.Wczytano);
  EXPECT_EQ(result.PominieteLinie, 0);
  EXPECT_EQ(result.KopiaPliku, "");
  std::vector<std::string> read;
  for (int i = 0; i < users_.CountUsers(); ++i) {
    const cUzytkownik& u = *users_.GetUserByIndex(i);
    read.push_back(u.Nazwa + "|" + u.GetIDString() + "|" + u.PIN + "|" + u.Karta.GetHex() + "|" +
                   std::to_string(u.Unique) + "|" + u.CzasyPracy.ToString());
  }
  EXPECT_EQ(read, (std::vector<std::string>{
                      "Zbigniew Łęcki|0012|1234|00007B3039|123456789|12345",
                      "Żaneta Ćwik-Ślązak|0007||0A0B0C0D0E|-2045678901|135",
                      "Jan \"Kowal\", senior|9999|7654321|0000000000|5000|",
                      "Ola|0015|55|0000000000|777|12345"}));
  ASSERT_EQ(users_.CountUsers(), 4);
  // Decimal commas in quoted fields; a short line keeps the default times.
  EXPECT_TRUE(users_.GetUserByIndex(0)->CzasyPracy.RowneCzasom(cCzasyUzytkownika()));
  const cCzasyUzytkownika& a = users_.GetUserByIndex(1)->CzasyPracy;
  EXPECT_NEAR(a.PoczatekPracy, Time(7, 0), kOneMillisecond);
  EXPECT_NEAR(a.KoniecOd, Time(14, 42), kOneMillisecond);
  EXPECT_NEAR(users_.GetUserByIndex(2)->CzasyPracy.PoczatekOd, Time(8, 52), kOneMillisecond);
  EXPECT_TRUE(users_.GetUserByIndex(3)->CzasyPracy.RowneCzasom(cCzasyUzytkownika()));

  EXPECT_TRUE(WczytajUrzadzenia(Fixture("devices_windows.txt"), devices_).Wczytano);
  read.clear();
  for (int i = 0; i < devices_.CountDevices(); ++i) {
    const cUrzadzenie& d = *devices_.GetDeviceByIndex(i);
    read.push_back(d.Nazwa + "|" + std::to_string(d.ID) + "|" + d.Czytnik0.Nazwa + "|" +
                   std::to_string(d.Czytnik0.Tryb) + "|" + d.Czytnik1.Nazwa + "|" +
                   std::to_string(d.Czytnik1.Tryb) + "|" + std::to_string(d.Przycisk) + "|" +
                   d.Polaczenie.Port + "|" + std::to_string(d.Polaczenie.Predkosc) + "|" +
                   d.ListaDostepow.ToString() + "|" + std::to_string(d.Unique));
  }
  EXPECT_EQ(read, (std::vector<std::string>{
                      "Wejście główne|2|Czytnik wejście|1|Czytnik wyjście|2|0|COM3|115200|123456789#-2045678901|100200300",
                      "Magazyn|3|Drzwi|0|Przycisk|0|1|/dev/ttyUSB0|115200||100200400",
                      "Biuro|4|A|1|B|2|1|COM3|9600|5##7|100200500"}));
  EXPECT_NEAR(devices_.GetDeviceByIndex(0)->DataOstatniejAktualizacji,
              EncodeDateTime(2024, 5, 7, 9, 0, 50), kOneMillisecond);
  EXPECT_EQ(devices_.GetDeviceByIndex(1)->DataOstatniejAktualizacji, 0.0);
  EXPECT_EQ(devices_.GetUzywanePorty(), "/dev/ttyUSB0,COM3");

  // Saved: each line CP1250 in Base64, ended by CR LF; loaded back equal.
  ASSERT_TRUE(ZapiszUzytkownikow(dir_ + "users.txt", users_));
  ASSERT_TRUE(ZapiszUrzadzenia(dir_ + "devices.txt", devices_));
  const std::string content = ReadWholeFile(dir_ + "users.txt").value();
  const std::vector<std::string> lines = SplitLines(content);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(content, lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3] + "\r\n");
  EXPECT_TRUE(Base64Decode(lines[0]).value().starts_with("\"Zbigniew \xA3\xEA" "cki\",12,1234,00007B3039,"));
  cUserList users(clock_);
  cDevList devices(clock_);
  EXPECT_EQ(WczytajUzytkownikow(dir_ + "users.txt", users).Rekordy, 4);
  EXPECT_EQ(WczytajUrzadzenia(dir_ + "devices.txt", devices).Rekordy, 3);
  EXPECT_TRUE(users.RownaLiscie(users_));
  for (int i = 0; i < 3; ++i) {
    cUrzadzenie& again = *devices.GetDeviceByIndex(i);
    const cUrzadzenie& original = *devices_.GetDeviceByIndex(i);
    EXPECT_NEAR(again.DataOstatniejAktualizacji, original.DataOstatniejAktualizacji, kOneMillisecond);
    again.DataOstatniejAktualizacji = original.DataOstatniejAktualizacji;
    EXPECT_TRUE(again.RowneUrzadzeniu(original)) << i;
  }

  // Times are read with a decimal point too.
  ASSERT_TRUE(WriteFileAtomically(dir_ + "users.txt",
                                  Base64Encode("Ala,1,12,0,5,0.25,0.75,0.2,0.3,0.7,0.8,12") + "\r\n"));
  ASSERT_EQ(WczytajUzytkownikow(dir_ + "users.txt", users).Rekordy, 1);
  EXPECT_EQ(users.GetUserByIndex(0)->CzasyPracy.PoczatekPracy, 0.25);
  EXPECT_EQ(users.GetUserByIndex(0)->CzasyPracy.KoniecDo, 0.8);
}

TEST_F(DataFilesTest, EmptyAndNonBase64LinesAreSkippedLoggedAndKeptInACopy) {
  const std::string path = dir_ + "users.txt";
  const std::string broken = ReadWholeFile(Fixture("users_broken.txt")).value();
  ASSERT_TRUE(WriteFileAtomically(path, broken));
  const cWynikWczytania result = WczytajUzytkownikow(path, users_);
  EXPECT_EQ(result.Rekordy, 2);
  EXPECT_EQ(result.PominieteLinie, 3);
  EXPECT_EQ(result.KopiaPliku, path + ".bad");
  EXPECT_EQ(ReadWholeFile(path + ".bad").value(), broken);
  ASSERT_EQ(users_.CountUsers(), 2);
  EXPECT_EQ(users_.GetUserByIndex(0)->Nazwa, "Zbigniew Łęcki");
  EXPECT_EQ(users_.GetUserByIndex(1)->Nazwa, "Ola");
  EXPECT_TRUE(Logged("Userlist: WczytajUzytkownikow: Pomijam pustą linię 2"));
  EXPECT_TRUE(Logged("Userlist: WczytajUzytkownikow: Pomijam linię 3,"));

  ASSERT_TRUE(ZapiszUzytkownikow(path, users_));
  EXPECT_EQ(SplitLines(ReadWholeFile(path).value()).size(), 2u);
  EXPECT_EQ(WczytajUzytkownikow(path, users_).KopiaPliku, "");
}

TEST_F(DataFilesTest, AFailedSaveReturnsFalseAndLeavesTheOldFileWhole) {
  devices_.DodajUrzadzenie("Stare", 2, {}, {}, false, {});
  // A missing file leaves the list as it is.
  EXPECT_FALSE(WczytajUrzadzenia(dir_ + "brak.txt", devices_).Wczytano);
  EXPECT_FALSE(WczytajUzytkownikow(dir_ + "brak.txt", users_).Wczytano);
  EXPECT_EQ(devices_.CountDevices(), 1);

  // A folder in the file's place is refused (even for root, who may write
  // into read-only folders). The operator reads Polish; the system's words
  // go to the log alone.
  ASSERT_EQ(mkdir((dir_ + "folder.txt").c_str(), 0755), 0);
  std::string error;
  EXPECT_FALSE(ZapiszUrzadzenia(dir_ + "folder.txt", devices_, &error));
  EXPECT_EQ(error, "Nie zapisano pliku \"folder.txt\": plik jest używany lub w jego miejscu stoi folder");
  EXPECT_TRUE(Logged("Devlist: ZapiszUrzadzenia: Nie zapisano pliku \"" + dir_ + "folder.txt\": cannot replace " +
                     dir_ + "folder.txt: Is a directory"));
  EXPECT_FALSE(ZapiszUzytkownikow(dir_ + "brak/users.txt", users_, &error));
  EXPECT_NE(error.find("folder docelowy nie istnieje lub nie jest folderem"), std::string::npos) << error;

  // A text outside CP1250 is reported, and the old file stays as it was.
  const std::string users = dir_ + "users.txt";
  users_.DodajUzytkownika("Ala", 1, "12", "");
  ASSERT_TRUE(ZapiszUzytkownikow(users, users_));
  const std::string old_users = ReadWholeFile(users).value();
  users_.DodajUzytkownika("Ψυχή", 2, "34", "");
  EXPECT_FALSE(ZapiszUzytkownikow(users, users_, &error));
  EXPECT_EQ(ReadWholeFile(users).value(), old_users);
  EXPECT_NE(error.find("użytkownik o ID 0002"), std::string::npos) << error;
  devices_.DodajUrzadzenie("D", 4, cCzytnik("→", 1), {}, false, {});
  EXPECT_FALSE(ZapiszUrzadzenia(dir_ + "other.txt", devices_));
  EXPECT_FALSE(FileExists(dir_ + "other.txt"));
}

}  // namespace
}  // namespace olv
