#include "stats/linia_zdarzenia.h"

#include "common/dates.h"

namespace olv {
namespace {

// The digits of line[from..from+count) (0-based) as a number; -1 when one is
// missing or not a digit.
int Cyfry(std::string_view line, size_t from, size_t count) {
  if (from + count > line.size()) return -1;
  int value = 0;
  for (size_t i = from; i < from + count; ++i) {
    const char c = line[i];
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string_view NazwaCzytnikaZLinii(std::string_view line) {
  if (line.size() <= 32) return {};
  std::string_view rest = line.substr(32);
  const size_t comma = rest.find(',');
  const size_t cut = comma == std::string_view::npos ? 1 : comma + 2;
  if (cut >= rest.size()) return {};
  rest.remove_prefix(cut);
  rest.remove_suffix(1);
  return rest;
}

}  // namespace

std::optional<cLiniaZdarzenia> CzytajLinieZdarzenia(std::string_view line) {
  if (line.size() < 5 || line[4] != ',') return std::nullopt;
  const int year = Cyfry(line, 6, 4);
  const int month = Cyfry(line, 11, 2);
  const int day = Cyfry(line, 14, 2);
  const int hour = Cyfry(line, 18, 2);
  const int minute = Cyfry(line, 21, 2);
  const int second = Cyfry(line, 24, 2);
  if (year < 0 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  cLiniaZdarzenia wynik;
  wynik.IDUzytkownika = Cyfry(line, 0, 4);
  wynik.Czas = EncodeDateTime(year, month, day, hour, minute, second);
  wynik.p = line.size() >= 30 && line[29] == 'p';
  wynik.NazwaCzytnika = NazwaCzytnikaZLinii(line);
  return wynik;
}

}  // namespace olv
