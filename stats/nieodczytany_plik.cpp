#include "stats/nieodczytany_plik.h"

#include "model/dev_list.h"

namespace olv {

std::string OpisNieodczytanegoPliku(const cNieodczytanyPlik& plik, const cDevList& urzadzenia) {
  const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByID(plik.IDUrzadzenia);
  std::string opis = "urządzenie ";
  if (urzadzenie != nullptr) opis += "\"" + urzadzenie->Nazwa + "\" ";
  opis += "(ID " + std::to_string(plik.IDUrzadzenia) + "), ";
  return opis + (plik.NazwaPliku.empty() ? "cały folder" : "plik " + plik.NazwaPliku);
}

}  // namespace olv
