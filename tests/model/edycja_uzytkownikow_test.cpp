// The window-free rules of the user and access editors: the card fields, the
// dialogs' checks, the rows and details, the first free ID and the access
// lists rebuilt from check marks. The PIN dialog's rules are tested through
// the dialog (tests/ui/users).
#include <gtest/gtest.h>

#include <random>

#include "common/virtual_clock.h"
#include "model/dane_uzytkownika.h"
#include "model/pola_karty.h"
#include "model/widok_dostepow.h"
#include "model/widok_uzytkownikow.h"

namespace olv {
namespace {

constexpr uint64_t kMax = 0xFFFFFFFFFFull;

TEST(PolaKartyTest, FullNumberIsValidUpTo40BitsAndRewritesTheCheckNumbers) {
  cPolaKarty pola{"1099511627775", "x", "y"};
  ASSERT_TRUE(PoZmianiePelnegoNumeru(pola));
  EXPECT_EQ(pola.TrzeciBajt, "255");
  EXPECT_EQ(pola.OstatnieDwaBajty, "65535");
  for (const char* invalid : {"1099511627776", "", "12a", "-1", " 12", "99999999999999"}) {
    cPolaKarty zle{invalid, "001", "00002"};
    EXPECT_FALSE(PoZmianiePelnegoNumeru(zle)) << invalid;
    EXPECT_EQ(zle.TrzeciBajt + zle.OstatnieDwaBajty, "") << invalid;
  }
}

TEST(PolaKartyTest, CheckNumbersAtTheirBoundsAndFromAnEmptyCard) {
  cPolaKarty pola{"00000000000000", "001", "65536"};
  EXPECT_FALSE(PoZmianieOstatnichDwochBajtow(pola));
  EXPECT_EQ(pola.Pelny, "00000000000000");
  pola.OstatnieDwaBajty = "65535";
  ASSERT_TRUE(PoZmianieOstatnichDwochBajtow(pola));
  EXPECT_EQ(pola.Pelny, "00000000131071");

  cPolaKarty trzeci{"00000000000000", "256", "00007"};
  EXPECT_FALSE(PoZmianieTrzeciegoBajtu(trzeci));
  EXPECT_EQ(trzeci.Pelny, "00000000000000");
  trzeci.TrzeciBajt = "2";
  ASSERT_TRUE(PoZmianieTrzeciegoBajtu(trzeci));
  EXPECT_EQ(trzeci.Pelny, "00000000131079");

  // An unreadable other field counts as 0; a full number that is not valid
  // counts as no card, so the result never grows past 40 bits.
  cPolaKarty zly{"99999999999999", "abc", "5"};
  ASSERT_TRUE(PoZmianieOstatnichDwochBajtow(zly));
  EXPECT_EQ(zly.Pelny, "00000000000005");
}

TEST(PolaKartyTest, ACheckNumberKeepsEveryOtherBitOfManyCards) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 2000; ++i) {
    const uint64_t value = random() & kMax;
    cKartaRFID karta;
    karta.UstawWartosc(value);
    const uint64_t trzeci = random() % 256;
    const uint64_t ostatnie = random() % 65536;
    cPolaKarty pola = PolaKarty(karta);
    pola.TrzeciBajt = std::to_string(trzeci);
    ASSERT_TRUE(PoZmianieTrzeciegoBajtu(pola));
    if (value != 0) {
      ASSERT_EQ(WartoscPelnegoNumeru(pola.Pelny), (value & ~0xFF0000ull) | (trzeci << 16)) << value;
    }
    pola.OstatnieDwaBajty = std::to_string(ostatnie);
    ASSERT_TRUE(PoZmianieOstatnichDwochBajtow(pola));
    const uint64_t wynik = *WartoscPelnegoNumeru(pola.Pelny);
    ASSERT_EQ(wynik & ~0xFFFFull, (value == 0 ? 0 : value & ~0xFF0000ull & ~0xFFFFull) | (trzeci << 16));
    ASSERT_EQ(wynik & 0xFFFF, ostatnie);
    const std::optional<std::string> hex = KartaHexZPelnegoNumeru(pola.Pelny);
    ASSERT_TRUE(hex);
    ASSERT_EQ(HexTextToCardValue(*hex), wynik);
    ASSERT_TRUE(hex->size() == 1 || (*hex)[0] != '0') << *hex;
  }
  EXPECT_EQ(KartaHexZPelnegoNumeru("00000001193046"), "123456");
  EXPECT_EQ(KartaHexZPelnegoNumeru(""), "0");
  EXPECT_EQ(KartaHexZPelnegoNumeru("x1"), std::nullopt);
  EXPECT_EQ(KartaHexZPelnegoNumeru("1099511627775"), "FFFFFFFFFF");
  EXPECT_EQ(KartaHexZPelnegoNumeru("1099511627776"), std::nullopt);
}

class EdycjaUzytkownikowTest : public ::testing::Test {
 protected:
  cDaneUzytkownika Dane(const char* nazwa, const char* id, const char* pin, const char* karta) {
    return {nazwa, id, pin, karta};
  }
  cVirtualClock clock{45419.375, 5000};
  cUserList users{clock};
};

TEST_F(EdycjaUzytkownikowTest, AddingTellsTheFirstBrokenRuleAndTrimsTheName) {
  ASSERT_EQ(DodajUzytkownikaZDialogu(users, Dane("Ala", "1", "1234", "0")).Komunikat, "");
  const struct {
    cDaneUzytkownika dane;
    const char* komunikat;
  } cases[] = {
      {Dane("X", "1a", "55", "0"), "ID użytkownika musi składać się wyłącznie z cyfr"},
      {Dane("X", "0000", "55", "0"), "ID użytkownika musi mieścić się w zakresie 1-9999"},
      {Dane("X", "10000", "55", "0"), "ID użytkownika musi mieścić się w zakresie 1-9999"},
      {Dane("X", "2", "5a", "0"), "Podany PIN musi składać się wyłącznie z cyfr"},
      {Dane("X", "2", "12345678", "0"), "PIN powinien mieć długość 2-7 cyfr"},
      {Dane("X", "2", "", "00000000000000"), "Użytkownik musi posiadać numer karty lub/i numer PIN"},
      {Dane("X", "2", "55", "1099511627776"), "Podany numer karty ma zły format"},
      {Dane("X", "2", "", "1099511627776"), "Podany numer karty ma zły format"},
      {Dane("X", "2", "55", "12x45"), "Podany numer karty ma zły format"},
      {Dane("X", "2", "", "12x45"), "Podany numer karty ma zły format"},
      {Dane("X", "1", "55", "0"), "Wybrane ID jest już zarejestrowane"},
      {Dane("X", "2", "1234", "0"), "Wybrany numer PIN jest już zarejestrowany"},
      {Dane("   ", "2", "55", "0"), "Nazwa użytkownika nie może być pusta"},
      {Dane("Emoji 😀", "2", "55", "0"), "Nazwa użytkownika zawiera znaki, których nie można zapisać w urządzeniu"},
      {Dane("Dwie\nlinie", "2", "55", "0"), "Nazwa użytkownika zawiera znaki, których nie można zapisać w urządzeniu"},
  };
  for (const auto& c : cases) {
    const cWynikZapisuUzytkownika wynik = DodajUzytkownikaZDialogu(users, c.dane);
    EXPECT_EQ(wynik.Komunikat, c.komunikat) << c.dane.Nazwa << "/" << c.dane.ID << "/" << c.dane.PIN;
    EXPECT_EQ(wynik.Unique, 0);
  }
  EXPECT_EQ(users.CountUsers(), 1);

  const cWynikZapisuUzytkownika dodany = DodajUzytkownikaZDialogu(users, Dane("  Żaneta Ćma ", "0002", "", "1193046"));
  ASSERT_EQ(dodany.Komunikat, "");
  const cUzytkownik* user = users.GetUserByUnique(dodany.Unique);
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->Nazwa, "Żaneta Ćma");
  EXPECT_EQ(user->ID, 2);
  EXPECT_EQ(user->Karta.GetWartosc(), 1193046u);
  EXPECT_EQ(DodajUzytkownikaZDialogu(users, Dane("Y", "3", "", "1193046")).Komunikat,
            "Wybrany numer karty jest już zarejestrowany");
}

TEST_F(EdycjaUzytkownikowTest, EditingKeepsTheUniqueAndIgnoresTheUserItself) {
  const int32_t ala = DodajUzytkownikaZDialogu(users, Dane("Ala", "1", "1234", "5")).Unique;
  ASSERT_NE(DodajUzytkownikaZDialogu(users, Dane("Ola", "2", "", "6")).Unique, 0);
  // The same ID, PIN and card as before are no conflict with itself.
  cWynikZapisuUzytkownika wynik = EdytujUzytkownikaZDialogu(users, ala, Dane("Alicja", "1", "1234", "5"));
  EXPECT_EQ(wynik.Komunikat, "");
  EXPECT_EQ(wynik.Unique, ala);
  EXPECT_EQ(EdytujUzytkownikaZDialogu(users, ala, Dane("Alicja", "2", "1234", "5")).Komunikat,
            "Wybrane ID jest już zarejestrowane");
  wynik = EdytujUzytkownikaZDialogu(users, ala, Dane("Alicja", "77", "", "5"));
  EXPECT_EQ(wynik.Unique, ala);
  EXPECT_EQ(users.GetUserByUnique(ala)->ID, 77);
  EXPECT_EQ(users.GetUserByUnique(ala)->PIN, "");
  EXPECT_EQ(EdytujUzytkownikaZDialogu(users, 0, Dane("Nikt", "5", "55", "0")).Unique, 0);
  EXPECT_EQ(users.CountUsers(), 2);
}

TEST_F(EdycjaUzytkownikowTest, RowsDetailsAndFirstFreeID) {
  EXPECT_EQ(PierwszeWolneID(users), "0001");
  for (const auto& [nazwa, id] : {std::pair{"zenon", "1"}, {"Ábel", "2"}, {"adam", "4"}})
    ASSERT_EQ(DodajUzytkownikaZDialogu(users, Dane(nazwa, id, "", id)).Komunikat, "");
  EXPECT_EQ(PierwszeWolneID(users), "0003");
  const cWiersze wiersze = WierszeUzytkownikow(users);
  ASSERT_EQ(wiersze.Nazwy, (std::vector<std::string>{"Ábel", "adam", "zenon"}));
  const int32_t abel = std::stoi(wiersze.Klucze[0]);
  EXPECT_EQ(users.GetUserByUnique(abel)->Nazwa, "Ábel");

  users.GetUserByUnique(abel)->Karta.UstawWartosc(1193046);
  const cSzczegolyUzytkownika szczegoly = SzczegolyUzytkownika(users, abel);
  EXPECT_EQ(szczegoly.Nazwa, "Ábel");
  EXPECT_EQ(szczegoly.ID, "0002");
  EXPECT_EQ(szczegoly.PIN, "brak");
  EXPECT_EQ(szczegoly.Karta, "00000001193046 (018,13398)");
  const cSzczegolyUzytkownika brak = SzczegolyUzytkownika(users, 12345);
  EXPECT_EQ(brak.Nazwa + brak.ID + brak.PIN + brak.Karta, "----");

  EXPECT_EQ(WierszPoUsunieciu(1, 2), 1);
  EXPECT_EQ(WierszPoUsunieciu(2, 2), 1);
  EXPECT_EQ(WierszPoUsunieciu(0, 0), -1);

  cUserList pelna(clock);
  for (int id = 1; id <= 9999; ++id) {
    auto user = std::make_unique<cUzytkownik>("U", id, "", "1", id);
    ASSERT_TRUE(pelna.DodajUzytkownika(std::move(user)));
  }
  EXPECT_EQ(PierwszeWolneID(pelna), "0000");
  EXPECT_EQ(DodajUzytkownikaZDialogu(pelna, Dane("X", PierwszeWolneID(pelna).c_str(), "55", "0")).Komunikat,
            "ID użytkownika musi mieścić się w zakresie 1-9999");
  pelna.UsunUzytkownikaPoID(9999);
  EXPECT_EQ(PierwszeWolneID(pelna), "9999");
}

TEST(WidokDostepowTest, AccessListIsRebuiltFromTheCheckMarks) {
  cUrzadzenie device(1);
  device.ListaDostepow.FromString("30#bad#10");
  const std::vector<std::string> klucze{"10", "20", "30"};
  EXPECT_EQ(ZaznaczeniaDostepu(device, klucze), (std::vector<bool>{true, false, true}));
  PrzebudujListeDostepu(device, klucze, {false, true, true});
  EXPECT_EQ(device.ListaDostepow.ToString(), "20#30");
  PrzebudujListeDostepu(device, klucze, {false, false, false});
  EXPECT_EQ(device.ListaDostepow.Count(), 0);
  EXPECT_EQ(device.ListaDostepow.ToString(), "");
}

}  // namespace
}  // namespace olv
