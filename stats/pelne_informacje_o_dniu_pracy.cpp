#include "stats/pelne_informacje_o_dniu_pracy.h"

#include "common/dates.h"
#include "stats/teksty_czasu.h"

namespace olv {
namespace {

// The time of day of the earliest punch, raised to the start window's "from".
double PoczatekPracy(const cOdbicie& pierwsze, const cCzasyUzytkownika& czasy) {
  const double pora = TimeOfDay(pierwsze.Czas);
  return WMilisekundach(pora) < WMilisekundach(czasy.PoczatekOd) ? czasy.PoczatekOd : pora;
}

// The time of day of the latest punch, lowered to the end window's "to".
double KoniecPracy(const cOdbicie& ostatnie, const cCzasyUzytkownika& czasy) {
  const double pora = TimeOfDay(ostatnie.Czas);
  return WMilisekundach(pora) > WMilisekundach(czasy.KoniecDo) ? czasy.KoniecDo : pora;
}

}  // namespace

cPelneInformacjeODniuPracy ObliczPelneInformacjeODniuPracy(cDziennyCzasPracy& dzien,
                                                           const cCzasyUzytkownika& czasy,
                                                           eTrybZliczania tryb) {
  cPelneInformacjeODniuPracy info;
  info.Data = dzien.Data;
  // Activity mode counts from the punches as they came; keep them before an
  // entry/exit clean-up could change them.
  const cOdbicie* najwczesniejsze = dzien.Odbicia.empty() ? nullptr : dzien.Odbicia.front();
  const cOdbicie* najpozniejsze = dzien.Odbicia.empty() ? nullptr : dzien.Odbicia.back();
  if (tryb == eTrybZliczania::WejscieWyjscie) {
    dzien.UsunNeutralne();
    dzien.ScalPowtorzoneKierunki();
    dzien.PrzytnijKonce();
  }
  if (!dzien.Odbicia.empty()) {
    info.PierwszeOdbicie = dzien.Odbicia.front()->Czas;
    info.OstatnieOdbicie = dzien.Odbicia.back()->Czas;
    info.NaObiekcie = info.OstatnieOdbicie - info.PierwszeOdbicie;
  }
  if (tryb == eTrybZliczania::WejscieWyjscie) {
    // A day left without punches still gets its limits: the start of a punch
    // at 00:00 raised to the window, the end of one at 00:00.
    info.PoczatekPracy = dzien.Odbicia.empty() ? czasy.PoczatekOd
                                               : PoczatekPracy(*dzien.Odbicia.front(), czasy);
    info.KoniecPracy = dzien.Odbicia.empty() ? 0 : KoniecPracy(*dzien.Odbicia.back(), czasy);
    info.Przerwa = TimeOfDay(dzien.SumaPrzerw());
    info.CzasPracy = info.KoniecPracy - info.PoczatekPracy - info.Przerwa;
  } else if (najwczesniejsze != nullptr) {
    info.PoczatekPracy = PoczatekPracy(*najwczesniejsze, czasy);
    info.KoniecPracy = KoniecPracy(*najpozniejsze, czasy);
    info.CzasPracy = info.KoniecPracy - info.PoczatekPracy;
  }
  if (dzien.Odbicia.size() < 2) {
    info.CzasPracy = 0;
    info.Przerwa = 0;
  }
  if (!czasy.CzyDzienPracyTygodnia(DayOfWeek(dzien.Data))) {
    info.PoczatekPracy = 0;
    info.KoniecPracy = 0;
    info.CzasPracy = 0;
    info.Przerwa = 0;
  }
  return info;
}

}  // namespace olv
