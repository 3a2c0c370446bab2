#include "model/czasy_uzytkownika.h"

#include <cmath>

#include "common/dates.h"

namespace olv {

void cCzasyUzytkownika::DodajDzienPracy(int day) {
  if (day >= 1 && day <= 7) DniPracy |= 1u << (day - 1);
}

void cCzasyUzytkownika::WyczyscDniPracy() { DniPracy = 0; }

void cCzasyUzytkownika::FromString(std::string_view text) {
  WyczyscDniPracy();
  for (char c : text) {
    if (c < '0' || c > '9') return;
  }
  for (char c : text) DodajDzienPracy(c - '0');
}

std::string cCzasyUzytkownika::ToString() const {
  std::string text;
  for (int day = 1; day <= 7; ++day) {
    if (CzyDzienPracy(day)) text += static_cast<char>('0' + day);
  }
  return text;
}

double cCzasyUzytkownika::GetDomyslnyCzasPracy() const { return KoniecPracy - PoczatekPracy; }

bool cCzasyUzytkownika::CzyDzienPracy(int day) const {
  return day >= 1 && day <= 7 && (DniPracy & (1u << (day - 1))) != 0;
}

bool cCzasyUzytkownika::CzyDzienPracyTygodnia(int day_of_week) const {
  if (day_of_week < 1 || day_of_week > 7) return false;
  return CzyDzienPracy(day_of_week == 1 ? 7 : day_of_week - 1);
}

bool cCzasyUzytkownika::RowneCzasom(const cCzasyUzytkownika& other) const {
  const auto close = [](double a, double b) { return std::fabs(a - b) < kOneMillisecond; };
  return close(PoczatekPracy, other.PoczatekPracy) && close(KoniecPracy, other.KoniecPracy) &&
         close(PoczatekOd, other.PoczatekOd) && close(PoczatekDo, other.PoczatekDo) &&
         close(KoniecOd, other.KoniecOd) && close(KoniecDo, other.KoniecDo) &&
         ToString() == other.ToString();
}

}  // namespace olv
