// The daily table ("Dzienne"): one row per day of one user, newest first:
// date, weekday short name, start of work, end of work, worked time, first and
// last punch, time on site and break. Red text marks a start later than the
// start window's "to", an end earlier than the end window's "from", and worked
// time under one second; three columns carry their colours.
//
// Callers must guarantee: the view holds one user's punches (any order).
#pragma once

#include "model/czasy_uzytkownika.h"
#include "stats/tryb_zliczania.h"
#include "stats/widok_listy_odbic.h"
#include "stats/zawartosc_tabeli.h"

namespace olv {

cZawartoscTabeli ObliczTabeleDzienna(const cWidokListyOdbic& odbicia_uzytkownika,
                                     const cCzasyUzytkownika& czasy, eTrybZliczania tryb);

}  // namespace olv
