#include "model/widok_dostepow.h"

#include <unordered_set>

namespace olv {

cWiersze WierszeUrzadzen(const cDevList& devices) {
  cWiersze wiersze;
  devices.WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen(wiersze.Klucze);
  for (const std::string& klucz : wiersze.Klucze) wiersze.Nazwy.push_back(devices.GetNazwaUrzadzeniaZUnique(klucz));
  return wiersze;
}

std::vector<bool> ZaznaczeniaDostepu(const cUrzadzenie& device, const std::vector<std::string>& klucze) {
  std::unordered_set<std::string> wpisy;
  const int ile = device.ListaDostepow.Count();
  for (int i = 0; i < ile; ++i) wpisy.insert(device.ListaDostepow.GetWpis(i));
  std::vector<bool> zaznaczone;
  zaznaczone.reserve(klucze.size());
  for (const std::string& klucz : klucze) zaznaczone.push_back(wpisy.count(klucz) != 0);
  return zaznaczone;
}

void PrzebudujListeDostepu(cUrzadzenie& device, const std::vector<std::string>& klucze,
                           const std::vector<bool>& zaznaczone) {
  // The keys are distinct, so the entries are joined at once: adding them one
  // by one checks each against all before it.
  std::string wpisy;
  for (size_t i = 0; i < klucze.size() && i < zaznaczone.size(); ++i) {
    if (zaznaczone[i]) wpisy += (wpisy.empty() ? "" : "#") + klucze[i];
  }
  device.ListaDostepow.FromString(wpisy);
}

}  // namespace olv
