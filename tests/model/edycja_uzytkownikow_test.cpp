// The window-free rules of the user editor: the card fields, the dialog's
// checks and the first free ID (the rest through its window, tests/ui/users).
#include <gtest/gtest.h>

#include <random>

#include "common/virtual_clock.h"
#include "model/dane_uzytkownika.h"
#include "model/pola_karty.h"
#include "model/widok_uzytkownikow.h"

namespace olv {
namespace {

constexpr uint64_t kMax = 0xFFFFFFFFFFull;

std::string Tekst(const cPolaKarty& pola) { return pola.Pelny + "|" + pola.TrzeciBajt + "|" + pola.OstatnieDwaBajty; }

// A field rewrites the others only while its own text is valid (40 bits, 255,
// 65535); an unreadable other field counts as 0.
TEST(PolaKartyTest, AValidFieldRewritesTheOthersAtItsBounds) {
  const struct {
    bool (*zmiana)(cPolaKarty&);
    cPolaKarty pola;
    bool ok;
    const char* wynik;
  } cases[] = {
      {PoZmianiePelnegoNumeru, {"1099511627775", "x", "y"}, true, "1099511627775|255|65535"},
      {PoZmianiePelnegoNumeru, {"1099511627776", "001", "00002"}, false, "1099511627776||"},
      {PoZmianiePelnegoNumeru, {"", "001", "00002"}, false, "||"},
      {PoZmianiePelnegoNumeru, {" 12", "001", "00002"}, false, " 12||"},
      {PoZmianieOstatnichDwochBajtow, {"00000000000000", "001", "65536"}, false, "00000000000000|001|65536"},
      {PoZmianieOstatnichDwochBajtow, {"00000000000000", "001", "65535"}, true, "00000000131071|001|65535"},
      {PoZmianieTrzeciegoBajtu, {"00000000000000", "256", "00007"}, false, "00000000000000|256|00007"},
      {PoZmianieTrzeciegoBajtu, {"00000000000000", "2", "00007"}, true, "00000000131079|2|00007"},
      {PoZmianieOstatnichDwochBajtow, {"99999999999999", "abc", "5"}, true, "00000000000005|abc|5"},
  };
  for (const auto& c : cases) {
    cPolaKarty pola = c.pola;
    EXPECT_EQ(c.zmiana(pola), c.ok) << Tekst(c.pola);
    EXPECT_EQ(Tekst(pola), c.wynik);
  }
}

TEST(PolaKartyTest, ACheckNumberKeepsEveryOtherBitOfManyCards) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 2000; ++i) {
    cKartaRFID karta;
    karta.UstawWartosc((random() & kMax) | 1);
    const uint64_t trzeci = random() % 256;
    const uint64_t ostatnie = random() % 65536;
    cPolaKarty pola = PolaKarty(karta);
    pola.TrzeciBajt = std::to_string(trzeci);
    ASSERT_TRUE(PoZmianieTrzeciegoBajtu(pola));
    ASSERT_EQ(WartoscPelnegoNumeru(pola.Pelny), (karta.GetWartosc() & ~0xFF0000ull) | (trzeci << 16));
    pola.OstatnieDwaBajty = std::to_string(ostatnie);
    ASSERT_TRUE(PoZmianieOstatnichDwochBajtow(pola));
    const uint64_t wynik = (karta.GetWartosc() & ~0xFFFFFFull) | (trzeci << 16) | ostatnie;
    ASSERT_EQ(WartoscPelnegoNumeru(pola.Pelny), wynik) << karta.GetWartosc();
    const std::optional<std::string> hex = KartaHexZPelnegoNumeru(pola.Pelny);
    ASSERT_TRUE(hex && HexTextToCardValue(*hex) == wynik && (hex->size() == 1 || (*hex)[0] != '0')) << wynik;
  }
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

TEST_F(EdycjaUzytkownikowTest, AddingTellsTheFirstBrokenRuleAndTrimsTheNameEditingIgnoresTheUserItself) {
  ASSERT_EQ(DodajUzytkownikaZDialogu(users, Dane("Ala", "1", "1234", "0")).Komunikat, "");
  const std::pair<cDaneUzytkownika, const char*> cases[] = {
      {Dane("X", "1a", "55", "0"), "ID użytkownika musi składać się wyłącznie z cyfr"},
      {Dane("X", "0000", "55", "0"), "ID użytkownika musi mieścić się w zakresie 1-9999"},
      {Dane("X", "10000", "55", "0"), "ID użytkownika musi mieścić się w zakresie 1-9999"},
      {Dane("X", "", "55", "0"), "ID użytkownika musi składać się wyłącznie z cyfr"},
      {Dane("X", "2", "5a", "0"), "Podany PIN musi składać się wyłącznie z cyfr"},
      {Dane("X", "2", "1", "0"), "PIN powinien mieć długość 2-7 cyfr"},
      {Dane("X", "2", "12345678", "0"), "PIN powinien mieć długość 2-7 cyfr"},
      {Dane("X", "2", "", "00000000000000"), "Użytkownik musi posiadać numer karty lub/i numer PIN"},
      {Dane("X", "2", "", ""), "Użytkownik musi posiadać numer karty lub/i numer PIN"},
      {Dane("X", "2", "55", "1099511627776"), "Podany numer karty ma zły format"},
      {Dane("X", "2", "", "12x45"), "Podany numer karty ma zły format"},
      {Dane("X", "1", "55", "0"), "Wybrane ID jest już zarejestrowane"},
      {Dane("X", "2", "1234", "0"), "Wybrany numer PIN jest już zarejestrowany"},
      {Dane("   ", "2", "55", "0"), "Nazwa użytkownika nie może być pusta"},
      {Dane("Emoji 😀", "2", "55", "0"), "Nazwa użytkownika zawiera znaki, których nie można zapisać w urządzeniu"},
  };
  for (const auto& [dane, komunikat] : cases) {
    const cWynikZapisuUzytkownika wynik = DodajUzytkownikaZDialogu(users, dane);
    EXPECT_EQ(wynik.Komunikat, komunikat) << dane.Nazwa << "/" << dane.ID << "/" << dane.PIN;
    EXPECT_EQ(wynik.Unique, 0);
  }
  EXPECT_EQ(users.CountUsers(), 1);

  const cWynikZapisuUzytkownika dodany = DodajUzytkownikaZDialogu(users, Dane("  Żaneta Ćma ", "0002", "", "1193046"));
  ASSERT_EQ(dodany.Komunikat, "");
  const cUzytkownik* user = users.GetUserByUnique(dodany.Unique);
  ASSERT_NE(user, nullptr);
  EXPECT_TRUE(user->ToString().starts_with("\"Żaneta Ćma\",2,,0000123456,")) << user->ToString();
  EXPECT_EQ(DodajUzytkownikaZDialogu(users, Dane("Y", "3", "", "1193046")).Komunikat,
            "Wybrany numer karty jest już zarejestrowany");

  // Editing keeps the Unique; the user's own ID, PIN and card are no conflict.
  const int32_t ala = users.GetUserByID(1)->Unique;
  cWynikZapisuUzytkownika wynik = EdytujUzytkownikaZDialogu(users, ala, Dane("Alicja", "1", "1234", "0"));
  EXPECT_EQ(wynik.Komunikat, "");
  EXPECT_EQ(wynik.Unique, ala);
  EXPECT_EQ(EdytujUzytkownikaZDialogu(users, ala, Dane("Alicja", "2", "1234", "0")).Komunikat,
            "Wybrane ID jest już zarejestrowane");
  wynik = EdytujUzytkownikaZDialogu(users, ala, Dane("Alicja", "77", "1234567", "5"));
  EXPECT_EQ(wynik.Unique, ala);
  EXPECT_TRUE(users.GetUserByUnique(ala)->ToString().starts_with("Alicja,77,1234567,0000000005,"));
  EXPECT_EQ(EdytujUzytkownikaZDialogu(users, 0, Dane("Nikt", "5", "55", "0")).Unique, 0);
  EXPECT_EQ(users.CountUsers(), 2);
}

// The rows, details and deletion are shown through the editor window
// (tests/ui/users); here the first free ID up to a full list.
TEST_F(EdycjaUzytkownikowTest, FirstFreeIDAndDetailsWithoutPin) {
  EXPECT_EQ(PierwszeWolneID(users), "0001");
  for (const auto& [nazwa, id] : {std::pair{"zenon", "1"}, {"Ábel", "2"}, {"adam", "4"}})
    ASSERT_EQ(DodajUzytkownikaZDialogu(users, Dane(nazwa, id, "", id)).Komunikat, "");
  EXPECT_EQ(PierwszeWolneID(users), "0003");
  const cWiersze wiersze = WierszeUzytkownikow(users);
  ASSERT_EQ(wiersze.Nazwy, (std::vector<std::string>{"Ábel", "adam", "zenon"}));
  const cSzczegolyUzytkownika szczegoly = SzczegolyUzytkownika(users, std::stoi(wiersze.Klucze[0]));
  EXPECT_EQ(szczegoly.Nazwa + "|" + szczegoly.ID + "|" + szczegoly.PIN, "Ábel|0002|brak");

  cUserList pelna(clock);
  for (int id = 1; id <= 9999; ++id) ASSERT_TRUE(pelna.DodajUzytkownika(std::make_unique<cUzytkownik>("U", id, "", "1", id)));
  EXPECT_EQ(PierwszeWolneID(pelna), "0000");
  EXPECT_EQ(DodajUzytkownikaZDialogu(pelna, Dane("X", PierwszeWolneID(pelna).c_str(), "55", "0")).Komunikat,
            "ID użytkownika musi mieścić się w zakresie 1-9999");
  pelna.UsunUzytkownikaPoID(9999);
  EXPECT_EQ(PierwszeWolneID(pelna), "9999");
}

}  // namespace
}  // namespace olv
