#include "stats/lista_dzienna.h"

#include "common/dates.h"

namespace olv {

void cListaDzienna::Zbuduj(const cWidokListyOdbic& odbicia) {
  mDni.clear();
  for (const cOdbicie* odbicie : odbicia.Odbicia()) {
    const double data = DateOf(odbicie->Czas);
    if (mDni.empty() || mDni.back()->Data != data) {
      mDni.push_back(std::make_unique<cDziennyCzasPracy>(data));
    }
    mDni.back()->Odbicia.push_back(odbicie);
  }
}

cDziennyCzasPracy* cListaDzienna::GetDzien(int index) const {
  if (index < 0 || index >= GetLiczbaDni()) return nullptr;
  return mDni[static_cast<size_t>(index)].get();
}

}  // namespace olv
