#include "model/zakres_czasu_pracy.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "common/dates.h"

namespace olv {
namespace {

constexpr int kMinutDoby = 24 * 60;

// Whole minutes of the day, 0 to 1439.
int Minuty(double czas) {
  const double minuty = std::round(czas * kMinutDoby);
  if (!(minuty > 0)) return 0;
  return static_cast<int>(std::min<double>(minuty, kMinutDoby - 1));
}

double Dni(int minuty) { return minuty * kOneMinute; }

}  // namespace

double CzasZGodzinyIMinuty(int godzina, int minuta) { return Dni(godzina * 60 + minuta); }

void GodzinaIMinutaCzasu(double czas, int& godzina, int& minuta) {
  const int minuty = Minuty(czas);
  godzina = minuty / 60;
  minuta = minuty % 60;
}

cZakresCzasuPracy WyliczZakresCzasuPracy(const cCzasyUzytkownika& czasy) {
  const int s = Minuty(czasy.PoczatekPracy), e = Minuty(czasy.KoniecPracy);
  const int so = Minuty(czasy.PoczatekOd), sd = Minuty(czasy.PoczatekDo);
  const int eo = Minuty(czasy.KoniecOd), ed = Minuty(czasy.KoniecDo);
  const int dni = std::popcount(czasy.DniPracy & 0x7Fu);
  cZakresCzasuPracy zakres;
  zakres.CzasPracy = Dni(e - s);
  zakres.ZakresPoczatek = Dni(sd - so);
  zakres.ZakresKoniec = Dni(ed - eo);
  zakres.MinimalnyDzien = Dni(eo - sd);
  zakres.MaksymalnyDzien = Dni(ed - so);
  zakres.MinimalnyTydzien = Dni((eo - sd) * dni);
  zakres.DomyslnyTydzien = Dni((e - s) * dni);
  zakres.MaksymalnyTydzien = Dni((ed - so) * dni);
  return zakres;
}

cBledyZakresuCzasuPracy SprawdzZakresCzasuPracy(const cCzasyUzytkownika& czasy) {
  const int s = Minuty(czasy.PoczatekPracy), e = Minuty(czasy.KoniecPracy);
  const int so = Minuty(czasy.PoczatekOd), sd = Minuty(czasy.PoczatekDo);
  const int eo = Minuty(czasy.KoniecOd), ed = Minuty(czasy.KoniecDo);
  cBledyZakresuCzasuPracy bledy;
  bledy.KoniecCzas = e <= s;
  bledy.KoniecOd = eo <= sd || e < eo;
  bledy.PoczatekOd = s < so;
  bledy.PoczatekDo = sd < so || sd < s;
  bledy.KoniecDo = ed < eo || ed < e;
  return bledy;
}

}  // namespace olv
