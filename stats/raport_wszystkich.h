// The payroll tables of every user in one CSV: the monthly balance (a row per
// user and complete month: name, ID, month, worked, planned, difference) and
// the daily table of one month (a row per user and day: name, ID and the
// daily table's cells). Each row holds the very cells of that user's own
// table, so the numbers are those of the user's report; a header row of the
// column names comes first, the users follow in ID order, and, as in every
// export, every row ends with one line end.
//
// Callers must guarantee: the punch list and the user list are not changed
// during the call.
#pragma once

#include <string>

#include "model/user_list.h"
#include "stats/csv.h"
#include "stats/lista_odbic.h"
#include "stats/tryb_zliczania.h"

namespace olv {

// teraz: the moment the balances are computed at (its month is not over).
void DodajMiesieczneWszystkichDoCSV(const cUserList& uzytkownicy, const cListaOdbic& odbicia,
                                    eTrybZliczania tryb, double teraz, cCSV& csv);
// miesiac: "YYYY-MM", the month whose days are listed.
void DodajDzienneWszystkichDoCSV(const cUserList& uzytkownicy, const cListaOdbic& odbicia,
                                 eTrybZliczania tryb, const std::string& miesiac, cCSV& csv);

}  // namespace olv
