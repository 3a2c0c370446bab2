// cCzasyUzytkownika: one user's planned working schedule. Times are times of
// day as fractions of a day (0.0 = 00:00, 1.0 = 24:00): when work starts and
// ends, and the windows within which a punch counts as the start or the end of
// work. The working days are a mask: bit n-1 stands for day n, Monday = 1 to
// Sunday = 7.
//
// Callers must guarantee: nothing: any stored text reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace olv {

class cCzasyUzytkownika {
 public:
  cCzasyUzytkownika() = default;
  virtual ~cCzasyUzytkownika() = default;
  cCzasyUzytkownika(const cCzasyUzytkownika&) = default;
  cCzasyUzytkownika& operator=(const cCzasyUzytkownika&) = default;

  // Sets the bit of day 1-7; other values are ignored.
  virtual void DodajDzienPracy(int day);
  virtual void WyczyscDniPracy();
  // Clears the working days; then, when text is digits only (or empty), adds
  // the day of every digit (0, 8 and 9 add nothing). "1a" leaves no day.
  virtual void FromString(std::string_view text);
  // The digits of the working days in ascending order: "12345" by default.
  virtual std::string ToString() const;
  // End of work minus start of work.
  virtual double GetDomyslnyCzasPracy() const;
  // Day 1 (Monday) to 7 (Sunday); false for other values.
  virtual bool CzyDzienPracy(int day) const;
  // Weekday in the date library's numbering, 1 (Sunday) to 7 (Saturday).
  virtual bool CzyDzienPracyTygodnia(int day_of_week) const;

  // Each of the six times within one millisecond of the other's, and the same
  // working days.
  bool RowneCzasom(const cCzasyUzytkownika& other) const;
  bool operator==(const cCzasyUzytkownika& other) const { return RowneCzasom(other); }

  double PoczatekPracy = 8.0 / 24.0;
  double KoniecPracy = 16.0 / 24.0;
  double PoczatekOd = (7.0 + 50.0 / 60.0) / 24.0;
  double PoczatekDo = (8.0 + 15.0 / 60.0) / 24.0;
  double KoniecOd = (15.0 + 50.0 / 60.0) / 24.0;
  double KoniecDo = (16.0 + 15.0 / 60.0) / 24.0;
  uint32_t DniPracy = 31;
};

}  // namespace olv
