// One line of a device's event file, read by its fixed character positions
// (1-based, on the code-page-1250 bytes):
//   0012, 2024-05-07, 08:01:33,  p, 0,"Wejście"
// user ID in 1-4, "," in 5, the date in 7-16 (year 7-10, month 12-13, day
// 15-16), the time in 19-26 (hour 19-20, minute 22-23, second 25-26), the
// marker letter in 30, and after position 32 a comma field with the reader
// name enclosed in one character on each side, last on the line.
//
// A line is a record only when character 5 is "," and every date and time
// character is a digit that forms a real moment (no month 13, hour 25 or
// 31 November). Anything else (a header, a blank line, a line cut short) is no
// record: a cut line read with defaults would put a punch at 2000-01-01 or at
// midnight and spoil a month's balance.
//
// Callers must guarantee: line has no line end characters.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace olv {

struct cLiniaZdarzenia {
  // -1 when characters 1-4 are not a number.
  int32_t IDUzytkownika = 0;
  double Czas = 0;
  bool p = false;
  // The reader name's bytes (CP1250), a view into the line.
  std::string_view NazwaCzytnika;
};

std::optional<cLiniaZdarzenia> CzytajLinieZdarzenia(std::string_view line);

}  // namespace olv
