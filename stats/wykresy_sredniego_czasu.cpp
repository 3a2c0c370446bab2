#include "stats/wykresy_sredniego_czasu.h"

#include "common/dates.h"
#include "stats/dni_pracy.h"
#include "stats/lista_miesieczna.h"
#include "stats/lista_tygodniowa.h"
#include "stats/lista_tygodniowo_dniowa.h"
#include "stats/srednia_dnia.h"
#include "stats/teksty_czasu.h"

namespace olv {
namespace {

using cSlupek = cWykresSlupkiProcentowe_Metadane::cJednaDana<double>;

cSlupek Slupek(const std::vector<const cPelneInformacjeODniuPracy*>& dni,
               const cCzasyUzytkownika& czasy, int odniesienie, std::string podpis) {
  const cSredniaDnia srednia = SredniaDnia(dni, czasy);
  cSlupek slupek;
  slupek.Podpis = std::move(podpis);
  slupek.Wartosc = static_cast<double>(WSekundach(TimeOfDay(srednia.Srednie.CzasPracy)));
  slupek.EtykietaWartosci = TekstPoryDnia(srednia.Srednie.CzasPracy);
  slupek.Kolor = KolorSlupka(static_cast<int>(slupek.Wartosc), odniesienie);
  return slupek;
}

cZawartoscWykresu Wykres(std::string tytul, double maksimum, int szerokosc, int odstep) {
  cZawartoscWykresu wykres;
  wykres.Tytul = std::move(tytul);
  wykres.Maksimum = maksimum;
  wykres.SzerokoscSlupka = szerokosc;
  wykres.OdstepMiedzySlupkami = odstep;
  return wykres;
}

}  // namespace

cWykresySredniegoCzasu ObliczWykresySredniegoCzasu(const cWidokListyOdbic& odbicia_uzytkownika,
                                                   const cUzytkownik* uzytkownik,
                                                   eTrybZliczania tryb) {
  const cCzasyUzytkownika czasy = uzytkownik ? uzytkownik->CzasyPracy : cCzasyUzytkownika();
  const int odniesienie =
      uzytkownik ? static_cast<int>(WSekundach(czasy.GetDomyslnyCzasPracy())) : 3600;
  const double maksimum = 1.4 * odniesienie;

  cWidokListyOdbic widok;
  odbicia_uzytkownika.Kopiuj(widok);
  widok.SortujOdNajstarszych();
  const std::vector<cPelneInformacjeODniuPracy> dni = ObliczDniPracy(widok, czasy, tryb);

  cWykresySredniegoCzasu wykresy;
  wykresy.Tygodniowy = Wykres("Średni czas pracy w tygodniu", maksimum, 60, 10);
  cListaTygodniowa tygodnie;
  tygodnie.Zbuduj(dni);
  for (const cListaPiodpowZTygodnia& tydzien : tygodnie.Tygodnie) {
    wykresy.Tygodniowy.Slupki.push_back(
        Slupek(tydzien.Dni, czasy, odniesienie, FormatDate(tydzien.Data)));
  }

  wykresy.Miesieczny = Wykres("Średni czas pracy w miesiącu", maksimum, 50, 20);
  cListaMiesieczna miesiace;
  miesiace.Zbuduj(dni);
  for (const cListaPiodpowZMiesiaca& miesiac : miesiace.Miesiace) {
    wykresy.Miesieczny.Slupki.push_back(
        Slupek(miesiac.Dni, czasy, odniesienie, FormatDate(miesiac.Miesiac, 2)));
  }

  wykresy.DniTygodnia = Wykres("Średni czas pracy w dniu tygodnia", maksimum, 0, 20);
  wykresy.DniTygodnia.DopasujSzerokosc = true;
  cListaTygodniowoDniowa dni_tygodnia;
  dni_tygodnia.Zbuduj(dni);
  for (int dzien = 1; dzien <= 7; ++dzien) {
    const auto& lista = dni_tygodnia.DniTygodnia[static_cast<size_t>(dzien - 1)];
    if (lista.empty()) {
      // No day to average: no height, no texts, the colour of "on target".
      wykresy.DniTygodnia.Slupki.push_back({"", "", 0, cKolor{175, 255, 175}});
    } else {
      wykresy.DniTygodnia.Slupki.push_back(
          Slupek(lista, czasy, odniesienie, WeekdayShortName(dzien)));
    }
  }
  return wykresy;
}

}  // namespace olv
