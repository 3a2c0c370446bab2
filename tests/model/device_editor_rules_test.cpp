// KONFOUT.TXT, the factory file, registration, and the device editor's rules:
// reader-mode items, ID conflicts over current and pending IDs, and which
// local files go with a deleted device.
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/device_folder.h"
#include "model/edycja_urzadzen.h"
#include "model/konfout.h"
#include "model/rejestracja_urzadzenia.h"
#include "tests/model/model_test_support.h"

namespace olv {
namespace {

std::string Cp1250(const std::string& utf8) { return *Utf8ToCp1250(utf8); }

std::string Tekst(const cKonfout& k) { return k.Nazwa + "|" + k.Czytnik0 + "|" + k.Czytnik1 + "|" + std::to_string(k.Przycisk); }

TEST(Konfout, ReadsKeysAtLineStartsLastLineWinsAndOnlyTheWholeLineButtonOnSetsTheButton) {
  const std::pair<std::string, cKonfout> cases[] = {
      {Cp1250("DeviceID=Wejście główne\r\nport0=wejście\r\nport1=wyjście\r\nbutton=on\r\nRSID=1\r\n"),
       {"Wejście główne", "wejście", "wyjście", true}},
      // A trailing blank, another letter case, or a later "off" leave it off.
      {"DeviceID=A\r\nbutton=on \r\n", {"A", "", "", false}},
      {"DeviceID=A\r\nbutton=ON\r\n", {"A", "", "", false}},
      {"button=on\r\nbutton=off\r\n", {"", "", "", false}},
      {"button=off\r\nbutton=on", {"", "", "", true}},
      // Keys count only at the start of a line and in their own letter case.
      {"deviceid=x\r\n DeviceID=y\r\nport0=a\r\nport0=b\r\nxport1=c\r\n", {"", "b", "", false}},
      // LF or CR alone end lines too; a value keeps its blanks.
      {"DeviceID= Brama \nport0=1\rport1=2", {" Brama ", "1", "2", false}},
      {"", {}},
  };
  for (const auto& [file, expected] : cases) EXPECT_EQ(Tekst(OdczytajKonfout(file)), Tekst(expected)) << file;
}

TEST(Konfout, TheFactoryFileGoesUnderExtSdWithTheEightDigitName) {
  test::cTempFolder folder;
  std::string error;
  // data/extSD/00000003 is the device's own folder, made at start-up.
  ASSERT_TRUE(UtworzFolderWyslanychPlikow(folder.Path(), 3));
  const std::string path = ZapiszPlikFabryczny(folder.Path(), 3, &error);
  EXPECT_EQ(path, folder.Path() + "data/extSD/00000003/sent/00000003") << error;
  EXPECT_EQ(ReadWholeFile(path),
            Cp1250("DeviceID=Rejestrator OLV\r\nport1=wyjście\r\nport0=wejście\r\nbutton=off\r\nRSID=1\r\n"));

  // A folder that cannot be made is told, and nothing is returned.
  test::cTempFolder blocked;
  ASSERT_TRUE(WriteFileAtomically(blocked.Path() + "data", "not a folder"));
  EXPECT_EQ(ZapiszPlikFabryczny(blocked.Path(), 3, &error), "");
  EXPECT_NE(error.find("urządzenia o ID 3"), std::string::npos) << error;
  EXPECT_EQ(error.find(blocked.Path()), std::string::npos) << "no path of this computer: " << error;
}

class DeviceEditorRulesTest : public ::testing::Test {
 protected:
  cUrzadzenie* Add(cDevList& list, const std::string& name, int id, const std::string& port = "/dev/ttyUSB0") {
    EXPECT_TRUE(list.DodajUrzadzenie(name, id, cCzytnik("We", 1), cCzytnik("Wy", 2), false,
                                     cWlasciwosciPolaczenia{port, 115200}));
    clock.AdvanceMs(1);
    return list.GetDeviceByIndex(list.CountDevices() - 1);
  }

  cVirtualClock clock;
  cDevList list{clock};
};

TEST_F(DeviceEditorRulesTest, RegistrationTakesANewDeviceAtIdOneAndRefusesBadDataAndEveryIdConflict) {
  Add(list, "Brama", 2);
  cUrzadzenie* magazyn = Add(list, "Magazyn", 3);
  magazyn->NoweID = 5;
  const cKonfout konfout{"Rejestrator OLV", "wejście", "wyjście", true};

  const cWynikRejestracji nowe = ZarejestrujUrzadzenie(list, "/dev/pts/7", 1, konfout);
  EXPECT_EQ(nowe.Kod, 6);
  EXPECT_EQ(nowe.Konflikt, 0);
  const cUrzadzenie* dodane = list.GetDeviceByUnique(nowe.Unique);
  ASSERT_NE(dodane, nullptr);
  cUrzadzenie expected("Rejestrator OLV", 1, cCzytnik("wejście", cCzytnik::kWejscie),
                       cCzytnik("wyjście", cCzytnik::kWyjscie), true, {"/dev/pts/7", 115200}, dodane->Unique);
  expected.DataOstatniejAktualizacji = dodane->DataOstatniejAktualizacji;
  EXPECT_TRUE(dodane->RowneUrzadzeniu(expected));
  EXPECT_TRUE(CzyUrzadzenieZarejestrowane(list, "/dev/pts/7", 1));
  EXPECT_FALSE(CzyUrzadzenieZarejestrowane(list, "/dev/pts/8", 1));

  // ID, answer, then the code and conflict refusing it.
  const std::tuple<int, cKonfout, int, int> refused[] = {
      {1, konfout, 6, 1},                     // a second new device
      {2, konfout, 0, 1},                     // Brama answers to 2
      {5, konfout, 0, 1},                     // Magazyn is to answer to 5
      {4, {"", "a", "b", false}, 1, 0},       // no DeviceID line
      {4, {"X", "a", "", false}, 3, 0},       // no port1 line
      {0, konfout, 5, 0},                     // an answer without an ID
  };
  for (const auto& [id, odpowiedz, kod, konflikt] : refused) {
    const int before = list.CountDevices();
    const cWynikRejestracji wynik = ZarejestrujUrzadzenie(list, "/dev/pts/9", id, odpowiedz);
    EXPECT_EQ(std::tuple(wynik.Kod, wynik.Konflikt, wynik.Unique, list.CountDevices()),
              std::tuple(kod, konflikt, 0, before)) << id;
  }
  EXPECT_NE(ZarejestrujUrzadzenie(list, "/dev/pts/9", 4, konfout).Unique, 0);
}

TEST_F(DeviceEditorRulesTest, ConflictsCountCurrentAndPendingIdsOfOtherDevicesAndIdOneCountsByTheIdToBe) {
  cUrzadzenie* a = Add(list, "A", 3);
  cUrzadzenie* b = Add(list, "B", 4);
  a->NoweID = 5;
  for (int id = 0; id <= 10; ++id) {
    const bool held_by_other_than_b = id == 3 || id == 5;
    EXPECT_EQ(SprawdzKonfliktID(list, id, b->Unique), held_by_other_than_b ? 1 : 0) << id;
    EXPECT_EQ(SprawdzKonfliktID(list, id, a->Unique), id == 4 ? 1 : 0) << id;
    EXPECT_EQ(SprawdzKonfliktID(list, id, 0), (id == 3 || id == 4 || id == 5) ? 1 : 0) << id;
  }

  EXPECT_FALSE(CzyUrzadzenieZID1(list));
  cUrzadzenie* fresh = Add(list, "Rejestrator OLV", 1);
  EXPECT_TRUE(CzyUrzadzenieZID1(list));
  fresh->NoweID = 6;
  EXPECT_FALSE(CzyUrzadzenieZID1(list));
  EXPECT_EQ(DoceloweID(*fresh), 6);

  // Only the devices that got their settings take their new IDs.
  ZastosujNoweID(list, [&](const cUrzadzenie& u) { return u.Unique == a->Unique; });
  EXPECT_EQ((std::vector<int>{a->ID, a->NoweID, fresh->ID, fresh->NoweID, b->ID}),
            (std::vector<int>{3, 5, 6, 0, 4}));
}

TEST(ReaderModeItems, EveryModeShowsItsItemAndEveryItemGivesBackAModeThatShowsIt) {
  for (int mode = -128; mode <= 127; ++mode) {
    const int item = IndeksTrybuCzytnika(static_cast<int8_t>(mode));
    const int8_t back = TrybCzytnikaZIndeksu(item);
    EXPECT_EQ(back, (mode == 1 || mode == 2) ? mode : 0) << mode;
    EXPECT_EQ(cCzytnik("", back).GetTrybJakoTekst(), cCzytnik("", static_cast<int8_t>(mode)).GetTrybJakoTekst());
  }
  EXPECT_EQ(TrybCzytnikaZIndeksu(-1), cCzytnik::kNeutralny);
  EXPECT_EQ(TrybCzytnikaZIndeksu(3), cCzytnik::kNeutralny);
}

TEST_F(DeviceEditorRulesTest, ADeletedDevicesFilesGoOnlyWhenNoRemainingDeviceAnswersToItsId) {
  test::cTempFolder folder;
  Add(list, "Brama", 2);
  const cUrzadzenie* biuro = Add(list, "Biuro", 4);
  const cUrzadzenie* magazyn = Add(list, "Magazyn", 5);
  cDevList working(clock);
  list.CopySelfTo(working);
  working.UsunUrzadzeniePoUnique(biuro->Unique);
  working.UsunUrzadzeniePoUnique(magazyn->Unique);
  // Magazyn was registered again (a new record) and still answers to 5.
  Add(working, "Magazyn", 5);
  EXPECT_EQ(IDUsunietychUrzadzen(list, working), std::vector<int32_t>{4});
  EXPECT_TRUE(IDUsunietychUrzadzen(list, list).empty());
  // A device that never had files has nothing to delete.
  std::string error;
  EXPECT_TRUE(UsunPlikiUrzadzenia(folder.Path(), 7, &error)) << error;
}

}  // namespace
}  // namespace olv
