// The monthly balance table ("Miesięczne"): the "Suma" row on top (background
// 255, 255, 221), then one row per complete month, newest first: "YYYY-MM",
// worked, required, and the difference signed "+" for time worked over and "-"
// for time missing (a month exactly on target reads "-00:00:00"). "Suma" sums
// the differences: red "-" when time is missing, else green "+".
//
// The month of now is never a row, nor is any later month (a device clock set
// ahead): neither is over, and its whole planned time would count as missing.
//
// Callers must guarantee: the view holds the user's punches (any order).
#pragma once

#include "model/uzytkownik.h"
#include "stats/tryb_zliczania.h"
#include "stats/widok_listy_odbic.h"
#include "stats/zawartosc_tabeli.h"

namespace olv {

// teraz: the moment the table is computed at (days since 1899-12-30).
cZawartoscTabeli ObliczTabeleMiesieczna(const cWidokListyOdbic& odbicia_uzytkownika,
                                        const cUzytkownik& uzytkownik, eTrybZliczania tryb,
                                        double teraz);

}  // namespace olv
