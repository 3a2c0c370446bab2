#include "stats/raport.h"

#include "common/cp1250.h"
#include "common/numbers.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "stats/csv.h"
#include "stats/lista_odbic.h"
#include "stats/panel_dzisiejszy.h"
#include "stats/raport_wszystkich.h"
#include "stats/tabela_dzienna.h"
#include "stats/tabela_miesieczna.h"
#include "stats/tabela_zdarzen.h"
#include "stats/widok_listy_odbic.h"
#include "stats/wykresy_sredniego_czasu.h"

namespace olv {
namespace {

// By ID first (1-9999), then by Unique.
const cUzytkownik* ZnajdzUzytkownika(const cUserList& uzytkownicy, const std::string& tekst) {
  const std::optional<int> liczba = ParseInt(tekst);
  if (!liczba) return nullptr;
  if (const cUzytkownik* po_id = uzytkownicy.GetUserByID(*liczba)) return po_id;
  return uzytkownicy.GetUserByUnique(*liczba);
}

void DodajWiersz(cCSV& csv, const std::vector<std::string>& komorki) {
  for (const std::string& komorka : komorki) csv.DodajKomorke(komorka);
  csv.ZakonczWiersz();
}

void DodajWykres(cCSV& csv, const cZawartoscWykresu& wykres) {
  for (const auto& slupek : wykres.Slupki) {
    DodajWiersz(csv, {wykres.Tytul, slupek.Podpis, slupek.EtykietaWartosci,
                      std::to_string(static_cast<long long>(slupek.Wartosc)),
                      std::to_string(slupek.Kolor.R), std::to_string(slupek.Kolor.G),
                      std::to_string(slupek.Kolor.B)});
  }
}

// The text form of every punch, each followed by CR LF, in code page 1250; a
// reader name is a name cell.
void LinieOdbic(const cWidokListyOdbic& odbicia, cWynikRaportu& wynik) {
  std::string utf8;
  for (const cOdbicie* odbicie : odbicia.Odbicia()) {
    std::string czytnik = NazwaDoArkusza(odbicie->NazwaCzytnika());
    if (czytnik == odbicie->NazwaCzytnika()) {
      utf8 += odbicie->ToString();
    } else {
      cOdbicie kopia = *odbicie;
      kopia.UstawNazweCzytnika(std::move(czytnik));
      utf8 += kopia.ToString();
    }
    utf8 += "\r\n";
  }
  wynik.Bajty = Utf8ToCp1250(utf8);
  if (!wynik.Bajty) wynik.Blad = "Tekst zawiera znak spoza strony kodowej 1250.";
}

void TekstCSV(const cCSV& csv, int separator, cWynikRaportu& wynik) {
  std::string powod;
  wynik.Bajty = csv.Tekst(separator, &powod);
  if (!wynik.Bajty) wynik.Blad = "Nie można zapisać raportu: " + powod + ".";
}

}  // namespace

cWynikRaportu UtworzRaport(const cOpcjeRaportu& opcje, const std::string& program_folder,
                           double teraz) {
  const double moment = opcje.Moment.value_or(teraz);
  cVirtualClock zegar(moment);
  cUserList uzytkownicy(zegar);
  cDevList urzadzenia(zegar);
  cWynikRaportu wynik;
  const bool potrzebny_uzytkownik = !opcje.Uzytkownik.empty() || opcje.Wszyscy;
  if (!WczytajUrzadzenia(program_folder + "data/devices.txt", urzadzenia).Wczytano ||
      (potrzebny_uzytkownik &&
       !WczytajUzytkownikow(program_folder + "data/users.txt", uzytkownicy).Wczytano)) {
    wynik.Blad = "Brak danych w folderze \"" + program_folder + "\".";
    return wynik;
  }
  const cUzytkownik* uzytkownik = nullptr;
  if (!opcje.Uzytkownik.empty()) {
    uzytkownik = ZnajdzUzytkownika(uzytkownicy, opcje.Uzytkownik);
    if (uzytkownik == nullptr) {
      wynik.Blad = "Nieznany użytkownik \"" + opcje.Uzytkownik + "\".";
      return wynik;
    }
  }

  cListaOdbic lista;
  for (const cNieodczytanyPlik& plik : WczytajOdbiciaZFolderuProgramu(program_folder, urzadzenia, lista)) {
    wynik.Nieodczytane.push_back(OpisNieodczytanegoPliku(plik, urzadzenia));
  }
  if (opcje.Wszyscy) {
    cCSV csv;
    if (opcje.Rodzaj == eRodzajRaportu::Dzienne) {
      DodajDzienneWszystkichDoCSV(uzytkownicy, lista, opcje.Tryb, opcje.Miesiac, csv);
    } else {
      DodajMiesieczneWszystkichDoCSV(uzytkownicy, lista, opcje.Tryb, moment, csv);
    }
    TekstCSV(csv, opcje.Separator, wynik);
    return wynik;
  }
  cWidokListyOdbic odbicia;
  odbicia.Zaladuj(lista);
  if (uzytkownik == nullptr) {
    LinieOdbic(odbicia, wynik);
    return wynik;
  }
  odbicia.ZostawUzytkownika(uzytkownik->ID);

  cCSV csv;
  switch (opcje.Rodzaj) {
    case eRodzajRaportu::Odbicia:
      LinieOdbic(odbicia, wynik);
      return wynik;
    case eRodzajRaportu::Aktualne: {
      const cPanelDzisiejszy panel =
          ObliczPanelDzisiejszy(odbicia, uzytkownik->CzasyPracy, opcje.Tryb, moment);
      DodajWiersz(csv, {"Nazwa", NazwaDoArkusza(uzytkownik->Nazwa)});
      DodajWiersz(csv, {"Godziny pracy", panel.GodzinyPracy});
      DodajWiersz(csv, {"Przyjście", panel.Przyjscie});
      DodajWiersz(csv, {"Wyjście", panel.Wyjscie});
      DodajWiersz(csv, {"Przepracowano w miesiącu", panel.Przepracowano});
      DodajWiersz(csv, {"Powinno być", panel.PowinnoByc});
      DodajWiersz(csv, {"Różnica", panel.Roznica});
      csv.ZakonczWiersz();
      break;
    }
    case eRodzajRaportu::Zdarzenia:
      DodajTabeleDoCSV(ObliczTabeleZdarzen(odbicia, urzadzenia), false, csv);
      break;
    case eRodzajRaportu::Dzienne:
      DodajTabeleDoCSV(ObliczTabeleDzienna(odbicia, uzytkownik->CzasyPracy, opcje.Tryb), false,
                       csv);
      break;
    case eRodzajRaportu::Miesieczne:
      DodajTabeleDoCSV(ObliczTabeleMiesieczna(odbicia, *uzytkownik, opcje.Tryb, moment), false,
                       csv);
      break;
    case eRodzajRaportu::Srednie: {
      const cWykresySredniegoCzasu wykresy =
          ObliczWykresySredniegoCzasu(odbicia, uzytkownik, opcje.Tryb);
      DodajWykres(csv, wykresy.Tygodniowy);
      DodajWykres(csv, wykresy.Miesieczny);
      DodajWykres(csv, wykresy.DniTygodnia);
      csv.ZakonczWiersz();
      break;
    }
  }
  TekstCSV(csv, opcje.Separator, wynik);
  return wynik;
}

}  // namespace olv
