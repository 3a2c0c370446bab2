#include "stats/dzienny_czas_pracy.h"

#include <algorithm>

namespace olv {

void cDziennyCzasPracy::UsunNeutralne() {
  std::erase_if(Odbicia, [](const cOdbicie* o) {
    return o->Kierunek != cOdbicie::kWejscie && o->Kierunek != cOdbicie::kWyjscie;
  });
}

void cDziennyCzasPracy::ScalPowtorzoneKierunki() {
  size_t i = 1;
  while (i < Odbicia.size()) {
    if (Odbicia[i]->Kierunek != Odbicia[i - 1]->Kierunek) {
      ++i;
      continue;
    }
    // A run of entries counts from its first, a run of exits to its last.
    const size_t usuwany = Odbicia[i]->Kierunek == cOdbicie::kWejscie ? i : i - 1;
    Odbicia.erase(Odbicia.begin() + static_cast<std::ptrdiff_t>(usuwany));
  }
}

void cDziennyCzasPracy::PrzytnijKonce() {
  if (!Odbicia.empty() && Odbicia.front()->Kierunek == cOdbicie::kWyjscie) {
    Odbicia.erase(Odbicia.begin());
  }
  if (!Odbicia.empty() && Odbicia.back()->Kierunek == cOdbicie::kWejscie) Odbicia.pop_back();
}

double cDziennyCzasPracy::SumaPrzerw() const {
  double suma = 0;
  for (size_t i = 1; i < Odbicia.size(); ++i) {
    if (Odbicia[i - 1]->Kierunek == cOdbicie::kWyjscie &&
        Odbicia[i]->Kierunek == cOdbicie::kWejscie) {
      suma += Odbicia[i]->Czas - Odbicia[i - 1]->Czas;
    }
  }
  return suma;
}

}  // namespace olv
