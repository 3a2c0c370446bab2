#include "stats/dni_pracy.h"

#include "stats/lista_dzienna.h"

namespace olv {

std::vector<cPelneInformacjeODniuPracy> ObliczDniPracy(const cWidokListyOdbic& odbicia,
                                                       const cCzasyUzytkownika& czasy,
                                                       eTrybZliczania tryb) {
  cListaDzienna dni;
  dni.Zbuduj(odbicia);
  std::vector<cPelneInformacjeODniuPracy> wynik;
  wynik.reserve(static_cast<size_t>(dni.GetLiczbaDni()));
  for (int i = 0; i < dni.GetLiczbaDni(); ++i) {
    wynik.push_back(ObliczPelneInformacjeODniuPracy(*dni.GetDzien(i), czasy, tryb));
  }
  return wynik;
}

}  // namespace olv
