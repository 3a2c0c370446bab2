// cPelneInformacjeODniuPracy: everything the statistics show about one work
// day, and its computation from the day's punches, the user's work-time
// settings and the counting mode.
//
// Start of work is the time of day of the first counted punch, raised to the
// start window's "from"; end of work that of the last, lowered to the end
// window's "to". Worked time is end minus start minus the breaks (entry/exit
// mode) and is not limited below. A day with fewer than two counted punches
// has no worked time and no break; a day that is not a working weekday of the
// user has no start, end, worked time or break (its punches and time on site
// stay).
//
// Callers must guarantee: nothing.
#pragma once

#include "model/czasy_uzytkownika.h"
#include "stats/dzienny_czas_pracy.h"
#include "stats/tryb_zliczania.h"

namespace olv {

struct cPelneInformacjeODniuPracy {
  double Data = 0;
  double PierwszeOdbicie = 0;
  double OstatnieOdbicie = 0;
  // Last punch minus first punch ("Na obiekcie").
  double NaObiekcie = 0;
  // Times of day.
  double PoczatekPracy = 0;
  double KoniecPracy = 0;
  // Durations.
  double CzasPracy = 0;
  double Przerwa = 0;
};

// In entry/exit mode the day is cleaned up first (so it changes): compute a
// day once per build.
cPelneInformacjeODniuPracy ObliczPelneInformacjeODniuPracy(cDziennyCzasPracy& dzien,
                                                           const cCzasyUzytkownika& czasy,
                                                           eTrybZliczania tryb);

}  // namespace olv
