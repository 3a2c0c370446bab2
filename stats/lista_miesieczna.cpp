#include "stats/lista_miesieczna.h"

#include "common/dates.h"

namespace olv {

void cListaMiesieczna::Zbuduj(const std::vector<cPelneInformacjeODniuPracy>& dni) {
  Miesiace.clear();
  for (const cPelneInformacjeODniuPracy& dzien : dni) {
    const double miesiac = FirstOfMonth(dzien.Data);
    if (Miesiace.empty() || Miesiace.back().Miesiac != miesiac) {
      Miesiace.push_back({miesiac, {}});
    }
    Miesiace.back().Dni.push_back(&dzien);
  }
}

}  // namespace olv
