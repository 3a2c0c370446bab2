#include "model/dev_list.h"

#include <gtest/gtest.h>

#include "common/virtual_clock.h"
#include "model/access_cleanup.h"

namespace olv {
namespace {

const cCzytnik kWejscie("Wejście", cCzytnik::kWejscie);
const cCzytnik kWyjscie("Wyjście", cCzytnik::kWyjscie);

class DevListTest : public ::testing::Test {
 protected:
  cUrzadzenie* Add(const std::string& name, int id, const std::string& port = "COM1") {
    EXPECT_TRUE(list_.DodajUrzadzenie(name, id, kWejscie, kWyjscie, false, {port, 115200}));
    clock_.AdvanceMs(1);
    return list_.GetDeviceByIndex(list_.CountDevices() - 1);
  }

  cVirtualClock clock_;
  cDevList list_{clock_};
};

TEST(ListaDostepow, SplitsAtHashesAddsOnceRemovesEveryCopyAndComparesAsASet) {
  cListaDostepow lista;
  for (const auto& [text, count] : {std::pair{"", 0}, {"123##456", 3}, {"123#", 1}}) {
    lista.FromString(text);
    EXPECT_EQ(lista.Count(), count) << text;
  }
  lista.FromString("5#6#5");
  lista.Dodaj(-7);
  lista.Dodaj(-7);
  lista.Usun(5);
  EXPECT_EQ(lista.ToString(), "6#-7");
  cListaDostepow reordered;
  reordered.FromString("-7#6");
  EXPECT_EQ(lista, reordered);
  reordered.Dodaj(9);
  EXPECT_FALSE(lista == reordered);
}

TEST(Urzadzenie, RecordLineRoundTripsAndShortOrBadLinesTakeDefaults) {
  cUrzadzenie device("Brama \"A\", wjazd", 4, kWejscie, cCzytnik("Przycisk", -3), true,
                     {"/dev/ttyUSB0", 57600}, -99);
  device.DataOstatniejAktualizacji = 45419.5;
  device.ListaDostepow.FromString("1#-2#300");
  cUrzadzenie read(1);
  read.FromString(device.ToString());
  EXPECT_TRUE(read.RowneUrzadzeniu(device)) << device.ToString();
  device.ListaDostepow.FromString("");
  EXPECT_NE(device.ToString().find(",57600,,-99"), std::string::npos) << device.ToString();

  // A short line keeps the rest; only the text "1" sets the button.
  cUrzadzenie old("D", 2, kWejscie, kWyjscie, true, {"COM2", 9600}, 5);
  old.FromString("Nowa,3,R0,300");
  EXPECT_EQ(old.ToString(), cUrzadzenie("Nowa", 3, cCzytnik("R0", 300 - 256), kWyjscie, true,
                                        {"COM2", 9600}, 5).ToString());
  for (const char* text : {"yes", "01", ""}) {
    device.Przycisk = true;
    device.FromString(std::string("N,x,a,b,c,d,") + text + ",zz,P,q");
    EXPECT_EQ(device.ToString(), "N,0,a,0,c,0,0,1,P,0,,-99") << text;
  }
}

// Registration shows the codes of a missing name or second reader and of IDs 0
// and 1; here the rest.
TEST_F(DevListTest, ValidationCodes) {
  const auto check = [&](const char* id, const cCzytnik& czytnik0) {
    return list_.SprawdzPoprawnoscDanych("OLV", id, czytnik0, kWyjscie, false, {});
  };
  EXPECT_EQ(check("2", cCzytnik()), 2);
  EXPECT_EQ(check("-2", kWejscie), 4);
  for (const char* id : {"10", "", "99999999999"}) EXPECT_EQ(check(id, kWejscie), 5) << id;
}

TEST_F(DevListTest, AddingEditingAndConflictsLookAtCurrentIds) {
  EXPECT_FALSE(list_.DodajUrzadzenie("X", 10, kWejscie, kWyjscie, false, {}));
  EXPECT_FALSE(list_.DodajUrzadzenie(std::unique_ptr<cUrzadzenie>()));
  cUrzadzenie* a = Add("A", 3);
  cUrzadzenie* b = Add("B", 4);
  EXPECT_NE(a->Unique, b->Unique);
  EXPECT_EQ(list_.GetDeviceByID(0), nullptr);
  EXPECT_EQ(list_.GetDeviceByUnique(0), nullptr);
  EXPECT_EQ(list_.GetIDUrzadzeniaZUnique(b->GetUniqueString()), "4");

  const cWlasciwosciPolaczenia p{"COM9", 9600};
  EXPECT_FALSE(list_.EdytujUzytkownika(a->Unique, "A", 4, kWejscie, kWyjscie, true, p));
  EXPECT_FALSE(list_.EdytujUzytkownika(12345, "A", 5, kWejscie, kWyjscie, true, p));
  EXPECT_TRUE(list_.EdytujUzytkownika(a->Unique, "A2", 5, kWyjscie, kWejscie, true, p));
  // The new ID waits until it is sent; the device still answers to the old one.
  EXPECT_TRUE(a->ID == 3 && a->NoweID == 5);
  EXPECT_TRUE(a->Nazwa == "A2" && a->Czytnik0 == kWyjscie && a->Przycisk && a->Polaczenie == p);
  EXPECT_EQ(list_.GetDeviceByID(3), a);
  EXPECT_EQ(list_.GetDeviceByID(5), nullptr);
  EXPECT_TRUE(list_.EdytujUzytkownika(b->Unique, "B", 5, kWejscie, kWyjscie, false, p));
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscie(3), 1);
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscie(5), 0);
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscieExclude(3, a->Unique), 0);
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscieExclude(3, b->Unique), 1);
}

TEST_F(DevListTest, UsedPortsSortingRemovalsAndAccessEntriesThatNameNoUser) {
  Add("zeta", 2, "COM3")->ListaDostepow.FromString("10#99#x##-20# 10#10");
  Add("Alfa", 3, "com10")->ListaDostepow.FromString("-20");
  Add("Ćwiek", 4, "COM3");
  Add("Beta", 5, "/dev/ttyUSB0");
  EXPECT_EQ(list_.GetUzywanePorty(), "/dev/ttyUSB0,com10,COM3");
  std::vector<std::string> sorted;
  list_.WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen(sorted);
  for (auto& u : sorted) u = list_.GetNazwaUrzadzeniaZUnique(u);
  EXPECT_EQ(sorted, (std::vector<std::string>{"Alfa", "Beta", "Ćwiek", "zeta"}));

  cUserList users(clock_);
  users.DodajUzytkownika(std::make_unique<cUzytkownik>("A", 1, "11", "", 10));
  users.DodajUzytkownika(std::make_unique<cUzytkownik>("B", 2, "22", "", -20));
  EXPECT_EQ(UsunNieistniejacychZDostepow(list_, users), 4);
  EXPECT_EQ(list_.GetDeviceByID(2)->ListaDostepow.ToString(), "10#-20#10");
  EXPECT_EQ(list_.GetDeviceByID(3)->ListaDostepow.ToString(), "-20");

  list_.UsunUrzadzeniePoID(5);
  list_.UsunUrzadzeniePoUnique(list_.GetDeviceByID(4)->Unique);
  list_.UsunUrzadzenie(list_.GetDeviceByID(3));
  list_.UsunUrzadzenie(nullptr);
  list_.UsunUrzadzenie(3);
  ASSERT_EQ(list_.CountDevices(), 1);
  EXPECT_EQ(list_.GetDeviceByIndex(0)->ID, 2);
}

}  // namespace
}  // namespace olv
