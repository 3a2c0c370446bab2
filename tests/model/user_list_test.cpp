#include "model/user_list.h"

#include <gtest/gtest.h>

#include "common/virtual_clock.h"

namespace olv {
namespace {

class UserListTest : public ::testing::Test {
 protected:
  cVirtualClock clock_{45419.375, 5000};
  cUserList list_{clock_};
};

TEST_F(UserListTest, IdsPinsAndCardsStayUniqueThroughAddingEditingAndLoading) {
  ASSERT_TRUE(list_.DodajUzytkownika("Ala", 1, "1234", "AA"));
  ASSERT_TRUE(list_.DodajUzytkownika("Ola", "2", "", "0x7B3039"));
  EXPECT_FALSE(list_.DodajUzytkownika("Ten sam ID", 1, "555", ""));
  EXPECT_FALSE(list_.DodajUzytkownika("Ten sam PIN", 3, "1234", ""));
  EXPECT_FALSE(list_.DodajUzytkownika("Ta sama karta", 3, "", "7B3039"));
  EXPECT_FALSE(list_.DodajUzytkownika("Nie liczba", "x", "777", ""));
  EXPECT_FALSE(list_.DodajUzytkownika(std::unique_ptr<cUzytkownik>()));
  ASSERT_EQ(list_.CountUsers(), 2);
  const cUzytkownik* ola = list_.GetUserByKarta(std::string("7b3039"));
  ASSERT_NE(ola, nullptr);
  EXPECT_EQ(list_.GetUserByKarta(uint64_t{0x7B3039}), ola);
  EXPECT_EQ(list_.GetUserByPIN("1234")->Nazwa, "Ala");
  EXPECT_EQ(list_.GetIDUzytkownikaZUnique(ola->GetUniqueString()), "0002");

  cUzytkownik* ala = list_.GetUserByID(1);
  const int32_t unique = ala->Unique;
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscie(3, "", 0x7B3039), 3);
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscieExclude(1, "1234", 0xAA, unique), 0);
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscieExclude(2, "1234", 0xAA, unique), 1);
  ala->CzasyPracy.FromString("7");
  EXPECT_FALSE(list_.EdytujUzytkownika(unique, "Ala", "2", "1234", ""));
  EXPECT_FALSE(list_.EdytujUzytkownika(123, "Ala", "1", "1234", ""));
  EXPECT_TRUE(list_.EdytujUzytkownika(unique, "Alicja", "3", "", "0x0A0B"));
  EXPECT_TRUE(ala->ToString().starts_with("Alicja,3,,0000000A0B," + std::to_string(unique) + ","))
      << ala->ToString();
  EXPECT_EQ(ala->CzasyPracy.ToString(), "7");

  // A record without PIN, ID, Unique or card is found by none of them.
  ASSERT_TRUE(list_.DodajUzytkownika(std::make_unique<cUzytkownik>(0)));
  EXPECT_EQ(list_.GetUserByPIN(""), nullptr);
  EXPECT_EQ(list_.GetUserByID(0), nullptr);
  EXPECT_EQ(list_.GetUserByUnique(0), nullptr);
  EXPECT_EQ(list_.GetUserByKarta(std::string("0000000000")), nullptr);

  // Unique 1 is what a record holds while it is being read; a line that
  // really carries it must not swallow the next line. Excluding one of two
  // records with the same ID still sees the other.
  list_.WczytajBazeZPliku({"A,5,11,0,1", "", "  ", "B,5,22,0,200"});
  ASSERT_EQ(list_.CountUsers(), 2);
  EXPECT_EQ(list_.GetUserByIndex(0)->Nazwa, "A");
  EXPECT_EQ(list_.GetUserByIndex(0)->Unique, 1);
  EXPECT_EQ(list_.SprawdzKonfliktZUzytkownikiemNaLiscieExclude(5, "", 0, 1), 1);
  std::vector<std::string> lines;
  list_.ZapiszBazeDoPliku(lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[1].starts_with("B,5,22,0000000000,200,"));
}

TEST_F(UserListTest, NewUniqueWaitsWhileTheTickIsTakenAndIsNeverZero) {
  const auto held = static_cast<int32_t>(clock_.GetTickCount());
  list_.DodajUzytkownika(std::make_unique<cUzytkownik>(held));
  const uint64_t before = clock_.NowMicros();
  const int32_t unique = list_.GetNewUnique();
  EXPECT_NE(unique, held);
  EXPECT_EQ(clock_.NowMicros() - before, 100000u);
  EXPECT_EQ(unique, static_cast<int32_t>(clock_.GetTickCount()));

  cVirtualClock zero(45419.375, 0);
  EXPECT_NE(cUserList(zero).GetNewUnique(), 0);
}

TEST_F(UserListTest, SortsInThePolishAlphabetIgnoringCaseCopiesDeepAndRemovesByEachKey) {
  int id = 0;
  for (const char* name : {"Żaneta", "Zenon", "ala", "Łucja", "Lucyna", "źdźbło", "Ćma", "Cezary"}) {
    ++id;
    ASSERT_TRUE(list_.DodajUzytkownika(name, id, std::to_string(11 * id), id == 2 ? "0xB" : ""));
    clock_.AdvanceMs(1);
  }
  std::vector<std::string> uniques = {"stale"};
  list_.WpiszPosortowanaAlfabetycznieListeUniqueUzytkownikow(uniques);
  for (std::string& u : uniques) u = list_.GetNazwaUzytkownikaZUnique(u);
  EXPECT_EQ(uniques, (std::vector<std::string>{"ala", "Cezary", "Ćma", "Lucyna", "Łucja", "Zenon",
                                               "źdźbło", "Żaneta"}));
  cUserList copy(clock_);
  copy.DodajUzytkownika("stary", 9, "99", "");
  list_.CopySelfTo(copy);
  EXPECT_TRUE(copy.RownaLiscie(list_));
  copy.GetUserByIndex(0)->Nazwa = "Ewa";
  EXPECT_FALSE(copy.RownaLiscie(list_));

  list_.UsunUzytkownikaPoID(1);
  list_.UsunUzytkownikaPoKarcie("B");
  list_.UsunUzytkownikaPoPINie("33");
  list_.UsunUzytkownikaPoUnique(list_.GetUserByID(4)->Unique);
  list_.UsunUzytkownika(nullptr);
  list_.UsunUzytkownika(7);
  list_.UsunUzytkownika(list_.GetUserByID(8));
  ASSERT_EQ(list_.CountUsers(), 3);
  EXPECT_EQ(list_.GetUserByIndex(0)->ID, 5);
  EXPECT_EQ(list_.GetUserByIndex(2)->ID, 7);
}

}  // namespace
}  // namespace olv
