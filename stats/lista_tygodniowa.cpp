#include "stats/lista_tygodniowa.h"

#include "common/dates.h"

namespace olv {

void cListaTygodniowa::Zbuduj(const std::vector<cPelneInformacjeODniuPracy>& dni) {
  Tygodnie.clear();
  int rok = 0;
  int tydzien = -1;
  for (const cPelneInformacjeODniuPracy& dzien : dni) {
    const int rok_dnia = DecodeDateTime(dzien.Data).year;
    const int tydzien_dnia = WeekNumber(dzien.Data);
    if (Tygodnie.empty() || rok_dnia != rok || tydzien_dnia != tydzien) {
      Tygodnie.push_back({DateOf(dzien.Data), {}});
      rok = rok_dnia;
      tydzien = tydzien_dnia;
    }
    Tygodnie.back().Dni.push_back(&dzien);
  }
}

}  // namespace olv
