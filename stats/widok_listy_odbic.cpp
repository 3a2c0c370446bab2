#include "stats/widok_listy_odbic.h"

#include <algorithm>

#include "common/dates.h"

namespace olv {

void cWidokListyOdbic::Zaladuj(const cListaOdbic& lista) {
  mOdbicia.clear();
  mOdbicia.reserve(static_cast<size_t>(lista.GetLiczbaOdbic()));
  for (int i = 0; i < lista.GetLiczbaOdbic(); ++i) mOdbicia.push_back(lista.GetOdbicie(i));
}

void cWidokListyOdbic::ZostawUzytkownika(int32_t id_uzytkownika) {
  std::erase_if(mOdbicia,
                [id_uzytkownika](const cOdbicie* o) { return o->IDUzytkownika != id_uzytkownika; });
}

void cWidokListyOdbic::OgraniczDoZakresu(double od, double do_) {
  std::erase_if(mOdbicia, [od, do_](const cOdbicie* o) {
    return (od != 0 && o->Czas < od) || (do_ != 0 && o->Czas > do_);
  });
}

const cOdbicie* cWidokListyOdbic::GetOdbicie(int index) const {
  if (index < 0 || index >= GetLiczbaOdbic()) return nullptr;
  return mOdbicia[static_cast<size_t>(index)];
}

void cWidokListyOdbic::SortujDniOdNajnowszych() {
  std::stable_sort(mOdbicia.begin(), mOdbicia.end(), [](const cOdbicie* a, const cOdbicie* b) {
    const double dzien_a = DateOf(a->Czas);
    const double dzien_b = DateOf(b->Czas);
    if (dzien_a != dzien_b) return dzien_a > dzien_b;
    return a->Czas < b->Czas;
  });
}

void cWidokListyOdbic::SortujOdNajstarszych() {
  std::stable_sort(mOdbicia.begin(), mOdbicia.end(),
                   [](const cOdbicie* a, const cOdbicie* b) { return a->Czas < b->Czas; });
}

int cWidokListyOdbic::GetLiczbaOdbic() const { return static_cast<int>(mOdbicia.size()); }

void cWidokListyOdbic::Wyczysc() { mOdbicia.clear(); }

void cWidokListyOdbic::WypiszTekstowo(std::vector<std::string>& lines) const {
  lines.clear();
  lines.reserve(mOdbicia.size());
  for (const cOdbicie* odbicie : mOdbicia) lines.push_back(odbicie->ToString());
}

void cWidokListyOdbic::Kopiuj(cWidokListyOdbic& cel) const { cel.mOdbicia = mOdbicia; }

}  // namespace olv
