// The values that follow from one user's work-time settings, as the work-time
// editor shows them while the operator edits: the planned day, the shortest
// and longest day the tolerance windows allow, the same for a week of the
// checked working days, and which settings break the order that the windows
// must keep (start window around the start, end window around the end, the
// end window after the start window).
//
// The settings are taken as whole minutes of a day, as the editor sets them;
// the durations are whole minutes too, given as days (1 hour = 1/24) for the
// shared duration format, so a zero is exactly 0.
//
// Callers must guarantee: nothing: any settings give values.
#pragma once

#include "model/czasy_uzytkownika.h"

namespace olv {

struct cZakresCzasuPracy {
  double CzasPracy = 0;          // end minus start
  double ZakresPoczatek = 0;     // width of the start window
  double ZakresKoniec = 0;       // width of the end window
  double MinimalnyDzien = 0;     // end window's opening minus start window's close
  double MaksymalnyDzien = 0;    // end window's close minus start window's opening
  double MinimalnyTydzien = 0;   // the three days times the number of working days
  double DomyslnyTydzien = 0;
  double MaksymalnyTydzien = 0;
};

// Which labels of the editor flag a broken order (true = broken).
struct cBledyZakresuCzasuPracy {
  bool PoczatekOd = false;  // start before its window
  bool PoczatekDo = false;  // start window reversed, or start after its window
  bool KoniecOd = false;    // end window opens before the start window closes, or end before its window
  bool KoniecDo = false;    // end window reversed, or end after its window
  bool KoniecCzas = false;  // end not after start
};

cZakresCzasuPracy WyliczZakresCzasuPracy(const cCzasyUzytkownika& czasy);
cBledyZakresuCzasuPracy SprawdzZakresCzasuPracy(const cCzasyUzytkownika& czasy);
// A time of day from the editor's hour and minute.
double CzasZGodzinyIMinuty(int godzina, int minuta);
// The hour and minute that a stored time of day reads as (rounded to the minute,
// 24:00 and beyond read as 23:59 so that every value has a place in the editor).
void GodzinaIMinutaCzasu(double czas, int& godzina, int& minuta);

}  // namespace olv
