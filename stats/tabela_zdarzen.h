// The events table ("Zdarzenia"): one row per punch of one user, days newest
// first and times oldest first within a day. "Data" is written when it differs
// from the row before (once per day) and such a row is painted 255, 217, 167;
// the time goes in "Przyjście", "Wyjście" or "Neutralne" by the punch's
// direction, each column in its colour; "Urządzenie" names the device whose
// Unique the punch holds, or "." when no device has it (deleted since).
//
// Callers must guarantee: the view holds one user's punches (any order).
#pragma once

#include "model/dev_list.h"
#include "stats/widok_listy_odbic.h"
#include "stats/zawartosc_tabeli.h"

namespace olv {

cZawartoscTabeli ObliczTabeleZdarzen(const cWidokListyOdbic& odbicia_uzytkownika,
                                     const cDevList& urzadzenia);

}  // namespace olv
