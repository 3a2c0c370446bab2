// The three charts of the averages panel ("Średnie"): average worked time per
// week and per month (oldest first) and per day of the week (always seven
// bars, Sunday first; a weekday without days has an empty bar). A bar's value
// is the average worked time in whole seconds, its label that time as
// "HH:MM:SS", its colour the comparison with the user's default day length.
// The full height of a chart is 1.4 default day lengths; with no user, one
// hour stands in for the day length.
//
// Callers must guarantee: the view holds the user's punches (any order).
#pragma once

#include <string>
#include <vector>

#include "model/uzytkownik.h"
#include "stats/tryb_zliczania.h"
#include "stats/widok_listy_odbic.h"
#include "stats/wykres_metadane.h"

namespace olv {

struct cZawartoscWykresu {
  std::string Tytul;
  std::vector<cWykresSlupkiProcentowe_Metadane::cJednaDana<double>> Slupki;
  // Seconds; the full usable height.
  double Maksimum = 0;
  // Pixels. With DopasujSzerokosc the bar width is the width that fits all the
  // bars in the image (cWykresSlupkiProcentowe's fitting width), and
  // SzerokoscSlupka is unused.
  int SzerokoscSlupka = 50;
  int OdstepMiedzySlupkami = 20;
  bool DopasujSzerokosc = false;
};

struct cWykresySredniegoCzasu {
  cZawartoscWykresu Tygodniowy;
  cZawartoscWykresu Miesieczny;
  cZawartoscWykresu DniTygodnia;
};

// uzytkownik: none when no user is selected.
cWykresySredniegoCzasu ObliczWykresySredniegoCzasu(const cWidokListyOdbic& odbicia_uzytkownika,
                                                   const cUzytkownik* uzytkownik,
                                                   eTrybZliczania tryb);

}  // namespace olv
