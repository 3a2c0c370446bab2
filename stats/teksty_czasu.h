// The texts of times in the statistics and their files: a date "YYYY-MM-DD", a
// month "YYYY-MM", a time of day or a duration "HH:MM:SS" (hours not wrapped
// at 24, so a week of 40 hours is "40:00:00"), a date-time
// "YYYY-MM-DD HH:MM:SS". A fraction of a day is rounded to the millisecond,
// then the milliseconds are dropped.
//
// Callers must guarantee: nothing: any value gives a text (one far outside
// real times a wrong one, never an overflow).
#pragma once

#include <cstdint>
#include <string>

namespace olv {

// The time-of-day part (the value minus its whole days toward zero), so a
// negative duration keeps its sign: "-00:50:00".
std::string TekstPoryDnia(double wartosc);
// The whole value as hours, minutes and seconds: "172:30:00".
std::string TekstCzasuTrwania(double wartosc);
std::string TekstDatyICzasu(double wartosc);
// The value in whole milliseconds, for comparisons that float noise must not
// tip (a punch at 08:15:00 is not later than a window ending 08:15:00).
int64_t WMilisekundach(double wartosc);
// The whole seconds the texts show (milliseconds dropped toward zero), for
// signs and colours that must agree with the text beside them.
int64_t WSekundach(double wartosc);

}  // namespace olv
