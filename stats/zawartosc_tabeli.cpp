#include "stats/zawartosc_tabeli.h"

#include "stats/csv.h"

namespace olv {
namespace {

const cKomorkaTabeli* Komorka(const cZawartoscTabeli& tabela, int kolumna, int wiersz) {
  if (wiersz < 0 || wiersz >= tabela.GetLiczbaWierszy() || kolumna < 0) return nullptr;
  const auto& komorki = tabela.Wiersze[static_cast<size_t>(wiersz)].Komorki;
  if (kolumna >= static_cast<int>(komorki.size())) return nullptr;
  return &komorki[static_cast<size_t>(kolumna)];
}

}  // namespace

const std::string& cZawartoscTabeli::Tekst(int kolumna, int wiersz) const {
  static const std::string kPusty;
  const cKomorkaTabeli* komorka = Komorka(*this, kolumna, wiersz);
  return komorka ? komorka->Tekst : kPusty;
}

cKolor cZawartoscTabeli::KolorTekstu(int kolumna, int wiersz) const {
  const cKomorkaTabeli* komorka = Komorka(*this, kolumna, wiersz);
  return komorka ? komorka->KolorTekstu : kKolorTekstu;
}

cKolor cZawartoscTabeli::KolorTla(int kolumna, int wiersz) const {
  if (Komorka(*this, kolumna, wiersz) == nullptr) return kKolorKomorki;
  const cWierszTabeli& w = Wiersze[static_cast<size_t>(wiersz)];
  if (w.Tlo) return *w.Tlo;
  if (kolumna < GetLiczbaKolumn() && Kolumny[static_cast<size_t>(kolumna)].Tlo) {
    return *Kolumny[static_cast<size_t>(kolumna)].Tlo;
  }
  return kKolorKomorki;
}

void cZawartoscTabeli::DodajKolumne(std::string naglowek, int szerokosc) {
  Kolumny.push_back({std::move(naglowek), szerokosc, std::nullopt, false});
}

cWierszTabeli& cZawartoscTabeli::DodajWiersz() {
  Wiersze.emplace_back();
  Wiersze.back().Komorki.resize(Kolumny.size());
  return Wiersze.back();
}

void DodajKomorkiWierszaDoCSV(const cZawartoscTabeli& tabela, const cWierszTabeli& wiersz, cCSV& csv) {
  for (size_t i = 0; i < wiersz.Komorki.size(); ++i) {
    const std::string& tekst = wiersz.Komorki[i].Tekst;
    const bool nazwa = i < tabela.Kolumny.size() && tabela.Kolumny[i].Nazwy;
    csv.DodajKomorke(nazwa ? NazwaDoArkusza(tekst) : tekst);
  }
}

void DodajTabeleDoCSV(const cZawartoscTabeli& tabela, bool z_kolumna_wypelnienia, cCSV& csv) {
  for (const cWierszTabeli& wiersz : tabela.Wiersze) {
    DodajKomorkiWierszaDoCSV(tabela, wiersz, csv);
    if (z_kolumna_wypelnienia) csv.DodajKomorke("");
    csv.ZakonczWiersz();
  }
  csv.ZakonczWiersz();
}

}  // namespace olv
