// konfig.txt, USERS.txt and its scrambled PINs.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/device_folder.h"
#include "model/konfig_file.h"
#include "model/pin_table.h"
#include "model/users_file.h"
#include "tests/model/model_test_support.h"

namespace olv {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

TEST(UsersFile, CardFieldTakesThePairsLastFirstWithoutZeroBytes) {
  const std::pair<const char*, std::string> cases[] = {
      {"000B0C0D0E", Bytes({0x0E, 0x0D, 0x0C, 0x0B, 0x20, 0x20, 0x20, 0x20})},
      {"0A000C000E", Bytes({0x0E, 0x0C, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20})},
      {"0", std::string(8, ' ')},
      // Above 40 bits: the first ten digits.
      {"123456789AB", Bytes({0x9A, 0x78, 0x56, 0x34, 0x12, 0x20, 0x20, 0x20})}};
  for (const auto& [hex, field] : cases) {
    cKartaRFID karta;
    karta.UstawZTekstuHex(hex);
    EXPECT_EQ(PoleKartyUsers(karta), field) << hex;
  }
}

TEST(UsersFile, RecordsWithAndWithoutCardAndPinTheScrambledPinDiffersEachTimeAndDecodesOrIsRefused) {
  std::mt19937 random(7);
  EXPECT_EQ(UtworzRekordUsers(cUzytkownik("Ala", 7, "", "", 1), random).value(),
            std::string(8, ' ') + "0007" + Bytes({0x75, 0x00, 0x00}) + "Ala\r\n");
  const cUzytkownik user("Łęcki", 123, "0459", "7B3039", 1);
  const std::string record = UtworzRekordUsers(user, random).value();
  // Card, ID, "u", the PIN of four scrambled bytes between two zero bytes, name.
  EXPECT_EQ(record.substr(0, 14) + record.substr(18),
            Bytes({0x39, 0x30, 0x7B, 0x20, 0x20, 0x20, 0x20, 0x20}) + "0123u" + Bytes({0, 0}) + "\xA3\xEA" "cki\r\n");
  EXPECT_EQ(DecodePin(record.substr(14, 4)), "0459");
  const std::string again = UtworzRekordUsers(user, random).value();
  EXPECT_NE(again, record);
  EXPECT_EQ(OdczytajUsers(again).value()[0].PIN, "0459");

  // What the device could not read is refused.
  std::string error;
  EXPECT_FALSE(UtworzRekordUsers(cUzytkownik("Ψ", 5, "12", "", 1), random, &error));
  EXPECT_NE(error.find("0005"), std::string::npos) << error;
  EXPECT_FALSE(UtworzRekordUsers(cUzytkownik("A\r\nB", 5, "12", "", 1), random));
  EXPECT_FALSE(UtworzRekordUsers(cUzytkownik("A", 10000, "12", "", 1), random));

  // Each scrambled digit decodes back and is never byte 0.
  for (int round = 0; round < 200; ++round) {
    for (int digit = 0; digit < 10; ++digit) {
      const uint8_t byte = ScramblePinDigit(digit, random);
      EXPECT_NE(byte, 0);
      EXPECT_EQ(DecodePinByte(byte), digit);
    }
  }
  EXPECT_EQ(DecodePin(ScramblePin("7a", random)), "70");
}

TEST(KonfigFile, LinesForADevice) {
  cUrzadzenie device("Wejście główne", 3, cCzytnik("Drzwi A", 1), cCzytnik("Wyjście", 2), true,
                     {}, 1);
  const double now = EncodeDateTime(2024, 5, 7, 9, 5, 30);
  EXPECT_EQ(device.GetKonfiguracja(now),
            "\"DeviceID=Wejście główne\",port1=Wyjście,\"port0=Drzwi A\",button=on,"
            "data:2024.5.7,time:9.5.30,RSID=3");
  device.NoweID = 5;
  device.Przycisk = false;
  EXPECT_EQ(UtworzKonfig(device, now).value(),
            "DeviceID=Wej\x9C" "cie g\xB3\xF3wne\r\n"
            "port1=Wyj\x9C" "cie\r\n"
            "port0=Drzwi A\r\n"
            "button=off\r\n"
            "data:2024.5.7\r\n"
            "time:9.5.30\r\n"
            "RSID=5\r\n");
  device.Nazwa = "Ψ";
  EXPECT_FALSE(UtworzKonfig(device, now));
}

class DeviceFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    devices_.UstawFunkcjeLogujaca([this](const std::string& t) { log_.push_back(t); });
  }

  test::cTempFolder folder_;
  const std::string home_ = folder_.Path();
  cVirtualClock clock_;
  cUserList users_{clock_};
  cDevList devices_{clock_};
  std::mt19937 random_{99};
  std::vector<std::string> log_;
};

TEST_F(DeviceFilesTest, WritesTheUsersOfTheAccessListIntoTheSentFolderOfTheDevice) {
  users_.DodajUzytkownika(std::make_unique<cUzytkownik>("Ala", 7, "", "", 10));
  users_.DodajUzytkownika(std::make_unique<cUzytkownik>("Bez dostępu", 8, "11", "", 11));
  users_.DodajUzytkownika(std::make_unique<cUzytkownik>("Ćma", 9, "4321", "0A0B0C0D0E", 12));
  devices_.DodajUrzadzenie("OLV", 3, cCzytnik("A", 1), cCzytnik("B", 2), false, {});
  cUrzadzenie& device = *devices_.GetDeviceByIndex(0);
  device.NoweID = 4;
  const std::string folder = home_ + "data/extSD/00000003/sent/";
  EXPECT_EQ(ZapiszKonfig(home_, devices_, device.Unique, clock_.Now()), folder + "konfig.txt");
  EXPECT_NE(ReadWholeFile(folder + "konfig.txt").value().find("RSID=4\r\n"), std::string::npos);
  EXPECT_EQ(ZapiszUsers(home_, devices_, users_, device.Unique, random_), folder + "USERS.txt");
  EXPECT_EQ(FileSize(folder + "USERS.txt"), 0);
  EXPECT_EQ(ZapiszKonfig(home_, devices_, 0, clock_.Now()), "");
  EXPECT_EQ(ZapiszUsers(home_, devices_, users_, device.Unique + 1, random_), "");

  // In the user list's order, whatever the access list's.
  device.ListaDostepow.FromString("12#999#10");
  const auto records = OdczytajUsers(ReadWholeFile(
      ZapiszUsers(home_, devices_, users_, device.Unique, random_)).value()).value();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(records[0].Nazwa == "Ala" && records[0].ID == "0007" && records[0].PIN == "");
  EXPECT_TRUE(records[1].Nazwa == "Ćma" && records[1].PIN == "4321");

  // A user the device could not read: reported, and the old file kept.
  const std::string path = folder + "USERS.txt";
  const std::string old = ReadWholeFile(path).value();
  users_.GetUserByIndex(2)->Nazwa = "Ćma ★";
  std::string error;
  EXPECT_EQ(ZapiszUsers(home_, devices_, users_, device.Unique, random_, &error), "");
  EXPECT_EQ(ReadWholeFile(path).value(), old);
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(!log_.empty() && log_.back().starts_with("Devlist: ZapiszUsers: "));
}

}  // namespace
}  // namespace olv
