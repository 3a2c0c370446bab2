// The Polish public holidays on which a firm stays closed, so the demo's
// event files have no working day on them: the fixed feasts (New Year,
// Epiphany, 1 and 3 May, Assumption, All Saints, Independence Day, Christmas
// Eve from 2025, Christmas) and the movable ones that fall on a weekday
// (Easter Monday, Corpus Christi).
//
// Callers must guarantee: year 1583 or later (the Gregorian Easter).
#pragma once

namespace olv {

// Easter Sunday of the year, as a date (days since 1899-12-30).
double EasterSunday(int year);
// True when the date (any time of it) is a public holiday.
bool IsPublicHoliday(double date);

}  // namespace olv
