#include "stats/pelne_informacje_o_miesiacu_pracy.h"

namespace olv {

cPelneInformacjeOMiesiacuPracy PodsumujMiesiac(const cListaPiodpowZMiesiaca& miesiac,
                                               const cUzytkownik& uzytkownik) {
  cPelneInformacjeOMiesiacuPracy wynik;
  wynik.Miesiac = miesiac.Miesiac;
  for (const cPelneInformacjeODniuPracy* dzien : miesiac.Dni) wynik.Przepracowano += dzien->CzasPracy;
  wynik.Wymagane = uzytkownik.WymaganyCzasPracyWMiesiacu(miesiac.Miesiac);
  return wynik;
}

}  // namespace olv
