#include "stats/panel_dzisiejszy.h"

#include <cmath>

#include "common/dates.h"
#include "stats/dni_pracy.h"
#include "stats/teksty_czasu.h"

namespace olv {

cPanelDzisiejszy ObliczPanelDzisiejszy(const cWidokListyOdbic& odbicia_uzytkownika,
                                       const cCzasyUzytkownika& czasy, eTrybZliczania tryb,
                                       double teraz) {
  const double dzisiaj = DateOf(teraz);
  const double poczatek_miesiaca = FirstOfMonth(teraz);

  cWidokListyOdbic widok_dnia;
  odbicia_uzytkownika.Kopiuj(widok_dnia);
  widok_dnia.SortujOdNajstarszych();
  widok_dnia.OgraniczDoZakresu(dzisiaj, teraz + 1);

  // Up to the last millisecond of yesterday: a punch at 00:00:00 today is
  // today's, and must not count in both.
  cWidokListyOdbic widok_miesiaca;
  odbicia_uzytkownika.Kopiuj(widok_miesiaca);
  widok_miesiaca.SortujOdNajstarszych();
  widok_miesiaca.OgraniczDoZakresu(poczatek_miesiaca, dzisiaj - kOneMillisecond);

  const std::vector<cPelneInformacjeODniuPracy> dni_dzisiaj =
      ObliczDniPracy(widok_dnia, czasy, tryb);
  const std::vector<cPelneInformacjeODniuPracy> dni_miesiaca =
      ObliczDniPracy(widok_miesiaca, czasy, tryb);

  cPanelDzisiejszy panel;
  if (czasy.CzyDzienPracyTygodnia(DayOfWeek(dzisiaj))) {
    panel.GodzinyPracy =
        TekstPoryDnia(czasy.PoczatekPracy) + " - " + TekstPoryDnia(czasy.KoniecPracy);
    if (dni_dzisiaj.empty()) {
      panel.Przyjscie = "brak zdarzeń";
      panel.Wyjscie = "brak zdarzeń";
    } else {
      panel.Przyjscie = TekstPoryDnia(dni_dzisiaj.front().PoczatekPracy);
      panel.Wyjscie = TekstPoryDnia(dni_dzisiaj.front().KoniecPracy);
    }
  } else {
    panel.GodzinyPracy = "dzisiaj nie pracuje";
    panel.Przyjscie = "dzisiaj nie pracuje";
    panel.Wyjscie = "dzisiaj nie pracuje";
  }

  double przepracowano = 0;
  for (const cPelneInformacjeODniuPracy& dzien : dni_miesiaca) {
    przepracowano += TimeOfDay(dzien.CzasPracy);
  }
  double wymagane = 0;
  for (double dzien = poczatek_miesiaca; dzien < dzisiaj; dzien += 1) {
    if (czasy.CzyDzienPracyTygodnia(DayOfWeek(dzien))) wymagane += czasy.GetDomyslnyCzasPracy();
  }
  przepracowano = RoundTimeCorrection(przepracowano);
  wymagane = RoundTimeCorrection(wymagane);
  panel.Przepracowano = TekstCzasuTrwania(przepracowano);
  panel.PowinnoByc = TekstCzasuTrwania(wymagane);
  // The sign follows the seconds shown, so a millisecond of rounding never
  // reads "-00:00:00".
  const double roznica = przepracowano - wymagane;
  panel.Roznica = (WSekundach(roznica) < 0 ? "-" : "") + TekstCzasuTrwania(std::fabs(roznica));
  return panel;
}

}  // namespace olv
