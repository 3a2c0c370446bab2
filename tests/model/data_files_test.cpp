// data/users.txt and data/devices.txt against fixtures written as a Polish
// Windows installation writes them (CP1250, decimal commas, Base64, CR LF).
#include "model/data_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/base64.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "tests/model/model_test_support.h"

namespace olv {
namespace {

std::string Fixture(const std::string& name) {
  return std::string(OLV_SOURCE_DIR) + "/tests/model/data/" + name;
}

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
  EXPECT_TRUE(result.Wczytano && result.PominieteLinie == 0 && result.KopiaPliku.empty());
  // Decimal commas in quoted fields; a short line keeps the default times.
  const std::string defaults = "0.333333333333333,0.666666666666667,0.326388888888889,0.34375,"
                               "0.659722222222222,0.677083333333333,12345";
  std::vector<std::string> read;
  users_.ZapiszBazeDoPliku(read);
  EXPECT_EQ(read, (std::vector<std::string>{
                      "\"Zbigniew Łęcki\",12,1234,00007B3039,123456789," + defaults,
                      "\"Żaneta Ćwik-Ślązak\",7,,0A0B0C0D0E,-2045678901,0.291666666666667,0.625,0.28125,"
                      "0.3125,0.6125,0.65,135",
                      "\"Jan \"\"Kowal\"\", senior\",9999,7654321,0000000000,5000,0.375,0.708333333333333,"
                      "0.369444444444444,0.388888888888889,0.7,0.722222222222222,",
                      "Ola,15,55,0000000000,777," + defaults}));

  EXPECT_TRUE(WczytajUrzadzenia(Fixture("devices_windows.txt"), devices_).Wczytano);
  std::vector<std::string> read_devices;
  devices_.ZapiszBazeDoPliku(read_devices);
  // The update time 2024-05-07 09:00:50 as Windows wrote it.
  EXPECT_EQ(read_devices, (std::vector<std::string>{
                              "\"Wejście główne\",2,\"Czytnik wejście\",1,\"Czytnik wyjście\",2,0,"
                              "45419.3755787037,COM3,115200,123456789#-2045678901,100200300",
                              "Magazyn,3,Drzwi,0,Przycisk,0,1,0,/dev/ttyUSB0,115200,,100200400",
                              "Biuro,4,A,1,B,2,1,45419.5,COM3,9600,5##7,100200500"}));

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
  std::vector<std::string> again;
  devices.ZapiszBazeDoPliku(again);
  EXPECT_EQ(again, read_devices);

  // Times are read with a decimal point too.
  ASSERT_TRUE(WriteFileAtomically(dir_ + "users.txt",
                                  Base64Encode("Ala,1,12,0,5,0.25,0.75,0.2,0.3,0.7,0.8,12") + "\r\n"));
  ASSERT_EQ(WczytajUzytkownikow(dir_ + "users.txt", users).Rekordy, 1);
  EXPECT_TRUE(users.GetUserByIndex(0)->ToString().ends_with(",0.25,0.75,0.2,0.3,0.7,0.8,12"));
}

TEST_F(DataFilesTest, EmptyAndNonBase64LinesAreSkippedLoggedAndKeptInACopy) {
  const std::string path = dir_ + "users.txt";
  const std::string broken = ReadWholeFile(Fixture("users_broken.txt")).value();
  ASSERT_TRUE(WriteFileAtomically(path, broken));
  const cWynikWczytania result = WczytajUzytkownikow(path, users_);
  EXPECT_EQ(std::tuple(result.Rekordy, result.PominieteLinie, result.KopiaPliku),
            std::tuple(2, 3, path + ".bad"));
  EXPECT_EQ(ReadWholeFile(path + ".bad").value(), broken);
  ASSERT_EQ(users_.CountUsers(), 2);
  EXPECT_EQ(users_.GetUserByIndex(0)->Nazwa, "Zbigniew Łęcki");
  EXPECT_EQ(users_.GetUserByIndex(1)->Nazwa, "Ola");

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
