// The today panel ("Aktualne"): the six value texts for one user at a moment.
// Today's day is the first day of the user's punches from today 00:00 up to
// now plus one day. The month's days are those from the first of the month
// up to the end of yesterday (a punch at exactly 00:00 today belongs to today
// only). On a working weekday the panel shows the planned hours and today's
// start and end of work ("brak zdarzeń" without punches); otherwise all three
// read "dzisiaj nie pracuje". Worked and required time count the days of the
// month before today; a negative difference reads with a leading "-".
//
// Callers must guarantee: the view holds the user's punches (any order).
#pragma once

#include <string>

#include "model/czasy_uzytkownika.h"
#include "stats/tryb_zliczania.h"
#include "stats/widok_listy_odbic.h"

namespace olv {

struct cPanelDzisiejszy {
  std::string GodzinyPracy;
  std::string Przyjscie;
  std::string Wyjscie;
  std::string Przepracowano;
  std::string PowinnoByc;
  std::string Roznica;
};

// teraz: the moment the panel is computed at (days since 1899-12-30).
cPanelDzisiejszy ObliczPanelDzisiejszy(const cWidokListyOdbic& odbicia_uzytkownika,
                                       const cCzasyUzytkownika& czasy, eTrybZliczania tryb,
                                       double teraz);

}  // namespace olv
