#include "stats/raport_wszystkich.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <vector>

#include "common/strings.h"
#include "stats/tabela_dzienna.h"
#include "stats/tabela_miesieczna.h"
#include "stats/widok_listy_odbic.h"
#include "stats/zawartosc_tabeli.h"

namespace olv {
namespace {

using tTabelaUzytkownika = std::function<cZawartoscTabeli(const cWidokListyOdbic&, const cUzytkownik&)>;

// For each user in ID order the table of their own punches; of each table the
// data rows from pierwszy_wiersz on for which zostaw holds, after the user's
// name and ID. One pass sorts the punches out to the users, in list order, as
// a user's own report leaves them.
void DodajTabeleWszystkich(const cUserList& uzytkownicy, const cListaOdbic& odbicia, int pierwszy_wiersz,
                           const tTabelaUzytkownika& tabela_uzytkownika,
                           const std::function<bool(const cWierszTabeli&)>& zostaw, cCSV& csv) {
  std::vector<const cUzytkownik*> kolejni;
  uzytkownicy.DlaKazdegoUzytkownika([&kolejni](const cUzytkownik& u) { kolejni.push_back(&u); });
  std::sort(kolejni.begin(), kolejni.end(), [](const cUzytkownik* a, const cUzytkownik* b) { return a->ID < b->ID; });
  std::unordered_map<int32_t, cWidokListyOdbic> widoki;
  for (const cUzytkownik* u : kolejni) widoki[u->ID];
  const int ile = odbicia.GetLiczbaOdbic();
  for (int i = 0; i < ile; ++i) {
    const cOdbicie* odbicie = odbicia.GetOdbicie(i);
    if (const auto widok = widoki.find(odbicie->IDUzytkownika); widok != widoki.end()) widok->second.Dodaj(odbicie);
  }

  bool naglowek = false;
  for (const cUzytkownik* u : kolejni) {
    const cZawartoscTabeli tabela = tabela_uzytkownika(widoki[u->ID], *u);
    if (!naglowek) {
      naglowek = true;
      csv.DodajKomorke("Nazwa");
      csv.DodajKomorke("ID");
      for (const cKolumnaTabeli& kolumna : tabela.Kolumny) csv.DodajKomorke(kolumna.Naglowek);
      csv.ZakonczWiersz();
    }
    for (size_t w = static_cast<size_t>(pierwszy_wiersz); w < tabela.Wiersze.size(); ++w) {
      if (!zostaw(tabela.Wiersze[w])) continue;
      csv.DodajKomorke(NazwaDoArkusza(u->Nazwa));
      csv.DodajKomorke(IntToStrZeZerami(u->ID, 4));
      DodajKomorkiWierszaDoCSV(tabela, tabela.Wiersze[w], csv);
      csv.ZakonczWiersz();
    }
  }
  csv.ZakonczWiersz();
}

}  // namespace

void DodajMiesieczneWszystkichDoCSV(const cUserList& uzytkownicy, const cListaOdbic& odbicia,
                                    eTrybZliczania tryb, double teraz, cCSV& csv) {
  // Below the table's "Suma" row, every row is a month.
  DodajTabeleWszystkich(
      uzytkownicy, odbicia, 1,
      [tryb, teraz](const cWidokListyOdbic& widok, const cUzytkownik& u) {
        return ObliczTabeleMiesieczna(widok, u, tryb, teraz);
      },
      [](const cWierszTabeli&) { return true; }, csv);
}

void DodajDzienneWszystkichDoCSV(const cUserList& uzytkownicy, const cListaOdbic& odbicia,
                                 eTrybZliczania tryb, const std::string& miesiac, cCSV& csv) {
  // A day's row starts with its date, "YYYY-MM-DD".
  DodajTabeleWszystkich(
      uzytkownicy, odbicia, 0,
      [tryb](const cWidokListyOdbic& widok, const cUzytkownik& u) {
        return ObliczTabeleDzienna(widok, u.CzasyPracy, tryb);
      },
      [&miesiac](const cWierszTabeli& wiersz) { return wiersz.Komorki.front().Tekst.starts_with(miesiac + "-"); },
      csv);
}

}  // namespace olv
