#include "stats/lista_tygodniowo_dniowa.h"

#include "common/dates.h"

namespace olv {

void cListaTygodniowoDniowa::Zbuduj(const std::vector<cPelneInformacjeODniuPracy>& dni) {
  for (auto& lista : DniTygodnia) lista.clear();
  for (const cPelneInformacjeODniuPracy& dzien : dni) {
    DniTygodnia[static_cast<size_t>(DayOfWeek(dzien.Data) - 1)].push_back(&dzien);
  }
}

}  // namespace olv
