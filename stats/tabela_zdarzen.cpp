#include "stats/tabela_zdarzen.h"

#include <unordered_map>

#include "common/dates.h"
#include "stats/teksty_czasu.h"

namespace olv {
namespace {

constexpr int kData = 0;
constexpr int kPrzyjscie = 1;
constexpr int kWyjscie = 2;
constexpr int kNeutralne = 3;
constexpr int kUrzadzenie = 4;

}  // namespace

cZawartoscTabeli ObliczTabeleZdarzen(const cWidokListyOdbic& odbicia_uzytkownika,
                                     const cDevList& urzadzenia) {
  cWidokListyOdbic widok;
  odbicia_uzytkownika.Kopiuj(widok);
  widok.SortujDniOdNajnowszych();

  std::unordered_map<int32_t, std::string> nazwy_urzadzen;
  for (int i = 0; i < urzadzenia.CountDevices(); ++i) {
    const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByIndex(i);
    nazwy_urzadzen.emplace(urzadzenie->Unique, urzadzenie->Nazwa);
  }

  cZawartoscTabeli tabela;
  tabela.DodajKolumne("Data", 100);
  tabela.DodajKolumne("Przyjście", 100);
  tabela.DodajKolumne("Wyjście", 100);
  tabela.DodajKolumne("Neutralne", 100);
  tabela.DodajKolumne("Urządzenie", 250);
  tabela.Kolumny[kPrzyjscie].Tlo = cKolor{235, 251, 139};
  tabela.Kolumny[kWyjscie].Tlo = cKolor{190, 156, 250};
  tabela.Kolumny[kNeutralne].Tlo = cKolor{251, 244, 139};
  tabela.Kolumny[kUrzadzenie].Nazwy = true;
  tabela.Wiersze.reserve(static_cast<size_t>(widok.GetLiczbaOdbic()));

  std::string poprzednia_data;
  for (const cOdbicie* odbicie : widok.Odbicia()) {
    cWierszTabeli& wiersz = tabela.DodajWiersz();
    const std::string data = FormatDate(odbicie->Czas);
    if (data != poprzednia_data) {
      wiersz.Komorki[kData].Tekst = data;
      wiersz.Tlo = cKolor{255, 217, 167};
      poprzednia_data = data;
    }
    const int kolumna = odbicie->Kierunek == cOdbicie::kWejscie   ? kPrzyjscie
                        : odbicie->Kierunek == cOdbicie::kWyjscie ? kWyjscie
                                                                  : kNeutralne;
    wiersz.Komorki[static_cast<size_t>(kolumna)].Tekst = TekstPoryDnia(odbicie->Czas);
    const auto nazwa = nazwy_urzadzen.find(odbicie->Urzadzenie);
    wiersz.Komorki[kUrzadzenie].Tekst = nazwa == nazwy_urzadzen.end() ? "." : nazwa->second;
  }
  return tabela;
}

}  // namespace olv
