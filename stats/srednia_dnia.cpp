#include "stats/srednia_dnia.h"

#include <algorithm>
#include <cstdlib>

namespace olv {

cSredniaDnia SredniaDnia(const std::vector<const cPelneInformacjeODniuPracy*>& dni,
                         const cCzasyUzytkownika& czasy) {
  cSredniaDnia wynik;
  wynik.DomyslnyCzasPracy = czasy.GetDomyslnyCzasPracy();
  if (dni.empty()) return wynik;
  cPelneInformacjeODniuPracy& s = wynik.Srednie;
  s.Data = dni.front()->Data;
  for (const cPelneInformacjeODniuPracy* d : dni) {
    s.PierwszeOdbicie += d->PierwszeOdbicie;
    s.OstatnieOdbicie += d->OstatnieOdbicie;
    s.NaObiekcie += d->NaObiekcie;
    s.PoczatekPracy += d->PoczatekPracy;
    s.KoniecPracy += d->KoniecPracy;
    s.CzasPracy += d->CzasPracy;
    s.Przerwa += d->Przerwa;
  }
  const double n = static_cast<double>(dni.size());
  s.PierwszeOdbicie /= n;
  s.OstatnieOdbicie /= n;
  s.NaObiekcie /= n;
  s.PoczatekPracy /= n;
  s.KoniecPracy /= n;
  s.CzasPracy /= n;
  s.Przerwa /= n;
  return wynik;
}

cKolor KolorSlupka(int wartosc_sekundy, int odniesienie_sekundy) {
  const long long roznica =
      std::clamp<long long>(static_cast<long long>(wartosc_sekundy) - odniesienie_sekundy, -1800,
                            1800);
  cKolor kolor{175, 255, 175};
  if (roznica >= 1) {
    kolor.B = static_cast<uint8_t>(std::min<long long>(255, 175 + 80 * roznica / 1800));
  } else if (roznica < 0) {
    const long long e = -roznica;
    kolor.R = static_cast<uint8_t>(std::min<long long>(255, 175 + 80 * e / 1800));
    kolor.G = static_cast<uint8_t>(std::min<long long>(255, 255 - 80 * e / 1800));
  }
  return kolor;
}

}  // namespace olv
