// The average day of a group of day records (one bar of an average-time
// chart): each time field summed over the records and divided by their number,
// so the average is per day with punches, not per calendar day; days without
// worked time still count. Also the bar colour that compares an average with
// the user's default day length.
//
// Callers must guarantee: nothing.
#pragma once

#include <vector>

#include "model/czasy_uzytkownika.h"
#include "stats/kolor.h"
#include "stats/pelne_informacje_o_dniu_pracy.h"

namespace olv {

struct cSredniaDnia {
  // Data is the date of the group's first record; the other fields averages.
  cPelneInformacjeODniuPracy Srednie;
  double DomyslnyCzasPracy = 0;
};

// An empty group gives zeros.
cSredniaDnia SredniaDnia(const std::vector<const cPelneInformacjeODniuPracy*>& dni,
                         const cCzasyUzytkownika& czasy);

// Light green on target, shading to light cyan at half an hour or more over
// and to light red at half an hour or more short; both in whole seconds.
cKolor KolorSlupka(int wartosc_sekundy, int odniesienie_sekundy);

}  // namespace olv
